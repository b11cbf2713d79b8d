// The wait window of a batch run: the load's wait texts on a terminal.
#pragma once
#include <cstdio>

#include "wizard/controller/WizardInterfaces.h"

class CxBatchWait : public IWaitWindow {
public:
    // Shows them only when `err` is a terminal.
    explicit CxBatchWait(std::FILE* err);
    void SetWaitText(const char* text) override;

private:
    std::FILE* m_err;
};
