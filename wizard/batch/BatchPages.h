// The wizard's pages for a run without windows: each takes its values from
// the command line where the window would ask the user.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "wizard/batch/BatchFilter.h"
#include "wizard/batch/BatchOptions.h"
#include "wizard/controller/WizardInterfaces.h"
#include "wizard/update/Vxcommon.h"

class CxWizardController;
struct AppSettings;
struct tagBatchValues;

// What the pages hand to the controller.
struct tagBatchInput {
    int nKind = 0;
    const tagBatchOptions* pOptions = nullptr;
    std::string password; // UTF-8
    std::vector<tagFUFieldUpdate> definitions;
    std::vector<tagBatchCondition> conditions;
    std::shared_ptr<tagBatchValues> values; // --values-from; null without
};

// The access options and the password of the command line into `settings`.
void StoreBatchAccess(const tagBatchInput& in, AppSettings* settings);

// What every page of a batch run holds: the controller it serves and the
// values of the command line.
class CxBatchPage : public IWizardPage {
public:
    CxBatchPage(CxWizardController& c, const tagBatchInput& in) : m_c(c), m_in(in) {}

protected:
    CxWizardController& m_c;
    const tagBatchInput& m_in;
};

class CxBatchModePage : public CxBatchPage {
public:
    using CxBatchPage::CxBatchPage;
    bool ExchangeData(bool leaving) override;
};

class CxBatchSourcePage : public CxBatchPage {
public:
    using CxBatchPage::CxBatchPage;
    // Entering fills the defaults of empty paths as the access page does;
    // leaving stores the given options and loads.
    bool ExchangeData(bool leaving) override;
};

class CxBatchFieldsPage : public CxBatchPage {
public:
    using CxBatchPage::CxBatchPage;
    bool ExchangeData(bool leaving) override;
};

class CxBatchRecordsPage : public CxBatchPage {
public:
    using CxBatchPage::CxBatchPage;
    bool ExchangeData(bool leaving) override;
};
