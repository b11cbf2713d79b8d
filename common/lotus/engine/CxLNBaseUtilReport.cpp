// The frame's error report, inside a helper host: the status and error files
// written while it runs, read by the wizard's wait window and after the run.
#include "common/lotus/exchange/CxLNBaseUtil.h"

#include <string>

#include "common/lotus/exchange/CxLNErrorFile.h"
#include "common/misc/CxFile.h"

namespace {

// Both files hold one text a line; a line break inside a text would cut it.
std::string OneLine(const char* text) {
    std::string line = text ? text : "";
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

} // namespace

void CxLNBaseUtil::InitErrorReport() {
    RemoveTempFile_(m_szErrorFile);
    m_nErrorCount = 0;
    if (*m_szErrorFile)
        CxLNErrorFile(m_szTempFilePath, m_szErrorFile).WriteCount(0);
}

void CxLNBaseUtil::ReportError(const char* text) {
    ++m_nErrorCount;
    if (!*m_szErrorFile)
        return;
    CxLNErrorFile file(m_szTempFilePath, m_szErrorFile);
    file.WriteError(m_nErrorCount, OneLine(text).c_str());
    file.WriteCount(m_nErrorCount);
}

void CxLNBaseUtil::FiniErrorReport() {}

void CxLNBaseUtil::ReportNotice(const char* text) {
    if (*m_szErrorFile)
        CxLNErrorFile(m_szTempFilePath, m_szErrorFile).WriteNotice(OneLine(text).c_str());
}

void CxLNBaseUtil::ReportStatus(const char* text) {
    if (!*m_szStatusFile)
        return;
    char path[512];
    TempFilePath_(m_szStatusFile, path, sizeof path);
    // Created from empty each time: the file holds the last report alone.
    CxFile file;
    if (file.Open(path, "wb"))
        file.WriteLine(OneLine(text).c_str());
}
