#include "WaitText.h"

#include "common/misc/CxString.h"

void CxWaitText::SetText(const char* text) {
    std::lock_guard<std::mutex> hold(m_lock);
    CxStrCopy(m_szText, text);
}

void CxWaitText::SetStatusFile(const char* path) {
    std::lock_guard<std::mutex> hold(m_lock);
    CxStrCopy(m_szStatusFile, path);
}

std::string CxWaitText::Text() const {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_szText;
}

std::string CxWaitText::StatusFile() const {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_szStatusFile;
}
