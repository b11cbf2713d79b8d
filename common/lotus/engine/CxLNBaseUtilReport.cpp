// The frame's error report, inside a helper host: the status and error files
// written while it runs, read by the wizard's wait window and after the run.
#include "common/lotus/exchange/CxLNBaseUtil.h"

#include <cerrno>
#include <string>

#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/exchange/CxLNErrorFile.h"
#include "common/misc/CxFile.h"
#include "platform/SystemError.h"

namespace {

// Both files hold one text a line; a line break inside a text would cut it.
std::string OneLine(const char* text) {
    std::string line = text ? text : "";
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

// A report that did not reach its file stops the run: an error the front end
// never reads would let a failed run pass for one that went well.
void ReportFileFailed(const char* folder, const char* name, int error) {
    LNStopForReport(std::string("the file ") + folder + name + " can not be written (" +
                    platform::SystemErrorText(error ? error : EIO) + ")");
}

} // namespace

void CxLNBaseUtil::InitErrorReport() {
    RemoveTempFile_(m_szErrorFile);
    m_nErrorCount = 0;
    errno = 0;
    if (*m_szErrorFile && !CxLNErrorFile(m_szTempFilePath, m_szErrorFile).WriteCount(0))
        ReportFileFailed(m_szTempFilePath, m_szErrorFile, errno);
}

void CxLNBaseUtil::ReportError(const char* text) {
    ++m_nErrorCount;
    if (!*m_szErrorFile)
        return;
    CxLNErrorFile file(m_szTempFilePath, m_szErrorFile);
    errno = 0;
    if (!file.WriteError(m_nErrorCount, OneLine(text).c_str()) || !file.WriteCount(m_nErrorCount))
        ReportFileFailed(m_szTempFilePath, m_szErrorFile, errno);
}

void CxLNBaseUtil::FiniErrorReport() {}

void CxLNBaseUtil::ReportNotice(const char* text) {
    errno = 0;
    if (*m_szErrorFile &&
        !CxLNErrorFile(m_szTempFilePath, m_szErrorFile).WriteNotice(OneLine(text).c_str()))
        ReportFileFailed(m_szTempFilePath, m_szErrorFile, errno);
}

void CxLNBaseUtil::ReportStatus(const char* text) {
    if (!*m_szStatusFile)
        return;
    char path[512];
    TempFilePath_(m_szStatusFile, path, sizeof path);
    // Created from empty each time: the file holds the last report alone.
    CxFile file;
    errno = 0;
    const bool opened = file.Open(path, "wb");
    const int openError = errno;
    if (opened)
        file.WriteLine(OneLine(text).c_str());
    bool written = opened && !file.AtEnd();
    written = file.Close() && written;
    if (!written)
        ReportFileFailed(m_szTempFilePath, m_szStatusFile, opened ? file.LastError() : openError);
}
