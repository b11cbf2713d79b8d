#include "CxDebugUtil.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "common/misc/CxFile.h"
#include "common/misc/CxLogText.h"
#include "common/misc/CxString.h"
#include "platform/SafeOpen.h"
#include "platform/SystemError.h"
#include "platform/ThreadId.h"

namespace {

constexpr int32_t kRotateSize = 10485760; // 10 MiB
constexpr std::size_t kMessageSize = 40960;
constexpr std::size_t kSourceSize = 256;

// The unit's name without its folders; either separator counts.
void SourceName(const char* source, char* name) {
    if (!source) {
        CxStrCopy(name, kSourceSize, "<null>");
        return;
    }
    const char* start = source;
    for (const char* p = source; *p; ++p) {
        if (*p == '/' || *p == '\\')
            start = p + 1;
    }
    CxStrCopy(name, kSourceSize, start);
}

// A log that cannot be opened is told once on the error stream; the run goes on.
void ReportRefusedLog(const char* path, int error) {
    static std::atomic<bool> told{false};
    if (told.exchange(true))
        return;
    std::fprintf(stderr, "Can not write the log %s: %s%s\n", path,
                 platform::SystemErrorText(error).c_str(),
                 error == ELOOP ? " (a symbolic link is never written through)" : "");
}

// One write() to a file opened for appending, so lines of several processes
// never mix. A symbolic link at the log's name is not followed: lines must
// not land in whatever file it points to. The log is its owner's alone.
void AppendLine(const char* path, const std::string& line, bool fromEmpty) {
    int fd = platform::OpenNoFollow(path, O_WRONLY | O_CREAT | (fromEmpty ? O_TRUNC : O_APPEND));
    if (fd < 0) {
        ReportRefusedLog(path, errno);
        return;
    }
    // A log an older run left readable to others becomes the owner's alone.
    struct stat st;
    if (fstat(fd, &st) == 0 && (st.st_mode & (S_IRWXG | S_IRWXO)))
        fchmod(fd, S_IRUSR | S_IWUSR);
    ssize_t written;
    do {
        written = write(fd, line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    close(fd);
}

// Moves a log past its limit aside to "<path>.old.log"; true when the next line starts a new log.
bool Rotate(const char* path) {
    if (CxFile::GetFileSize(path) <= kRotateSize)
        return false;
    char old[600];
    CxStrFormat(old, sizeof old, "%s.old.log", path);
    return rename(path, old) == 0;
}

} // namespace

CxDebugUtil::CxDebugUtil() : m_nLevel(0), m_bEnabled(false) {
    CxStrCopy(m_szLogFile, "appdebug.log");
    CxStrCopy(m_szLogPath, "./");
}

CxDebugUtil::~CxDebugUtil() = default;

void CxDebugUtil::Write(int level, const char* source, int line, const char* format, ...) {
    if (level != 0 && (!m_bEnabled || level > m_nLevel))
        return;
    va_list args;
    va_start(args, format);
    const std::string message = CxLogFormat(kMessageSize - 1, format, args);
    va_end(args);

    char path[sizeof m_szLogPath + sizeof m_szLogFile];
    CxStrFormat(path, sizeof path, "%s%s", m_szLogPath, m_szLogFile);
    if (!path[0])
        return;

    char name[kSourceSize];
    SourceName(source, name);
    time_t now = time(nullptr);
    struct tm t {};
    localtime_r(&now, &t);
    char head[400];
    CxStrFormat(head, sizeof head, "[%04d/%02d/%02d %02d:%02d:%02d][%-20s(%-4d)][%05lx][%s] - ",
                t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, name,
                line, platform::CurrentThreadId(), level == 0 ? "!!!" : "   ");
    std::string text = std::string(head) + message + "\r\n";
    AppendLine(path, text, Rotate(path));
}

void CxDebugUtil::SetPath(const char* folder) {
    if (folder)
        CxStrCopy(m_szLogPath, folder);
}

void CxDebugUtil::SetFileName(const char* name) {
    if (name)
        CxStrCopy(m_szLogFile, name);
}

void CxDebugUtil::SetLevel(int level) {
    m_nLevel = level < 0 ? 0 : level > 3 ? 3 : level;
}

void CxDebugUtil::Enable(bool on) {
    m_bEnabled = on;
}

CxDebugUtil* GetDebugUtil() {
    static CxDebugUtil writer;
    return &writer;
}
