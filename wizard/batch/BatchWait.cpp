#include "BatchWait.h"

#include <unistd.h>

CxBatchWait::CxBatchWait(std::FILE* err) : m_err(err && isatty(fileno(err)) ? err : nullptr) {}

void CxBatchWait::SetWaitText(const char* text) {
    if (m_err && text)
        std::fprintf(m_err, "%s\n", text);
}
