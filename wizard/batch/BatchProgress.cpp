#include "BatchProgress.h"

#include <unistd.h>

#include "wizard/controller/WizardUpdate.h"

namespace {
const int kWidth = 40;
}

std::string BatchProgressLine(uint32_t index, uint32_t count) {
    const int percent = FUProgressPercent(index, count);
    const int filled = percent * kWidth / 100;
    char tail[16];
    std::snprintf(tail, sizeof tail, "] %3d%%", percent);
    return "\r[" + std::string(filled, '#') + std::string(kWidth - filled, '.') + tail;
}

CxBatchProgress::CxBatchProgress(std::FILE* out)
    : m_out(out && isatty(fileno(out)) ? out : nullptr), m_bShown(false) {}

void CxBatchProgress::Step(uint32_t index, uint32_t count) {
    if (!m_out)
        return;
    std::fputs(BatchProgressLine(index, count).c_str(), m_out);
    std::fflush(m_out);
    m_bShown = true;
}

void CxBatchProgress::Finish() {
    if (m_out && m_bShown)
        std::fputs("\n", m_out);
    m_bShown = false;
}
