#include "FolderLock.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DurableWrite.h"
#include "platform/Interrupt.h"
#include "platform/SafeOpen.h"

namespace platform {

namespace {

// No record is longer; what a holder wrote beyond it is not read.
constexpr std::size_t kMaxRecord = 4096;
// A file replaced while a lock on it was being taken is tried again so often.
constexpr int kAttempts = 10;

std::string ReadRecordText(int fd) {
    char text[kMaxRecord];
    ssize_t n;
    do {
        n = pread(fd, text, sizeof text, 0);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? std::string(text, static_cast<std::size_t>(n)) : std::string();
}

// "key value" lines; unknown keys and a record cut short are no fault.
tagLockHolder ParseRecord(const std::string& text) {
    tagLockHolder holder;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t blank = line.find(' ');
        if (blank == std::string::npos)
            continue;
        const std::string key = line.substr(0, blank), value = line.substr(blank + 1);
        if (key == "program")
            holder.sProgram = value;
        else if (key == "pid")
            holder.nPid = std::strtol(value.c_str(), nullptr, 10);
        else if (key == "since")
            holder.nSince = std::strtoll(value.c_str(), nullptr, 10);
        else if (key == "doing")
            holder.sDoing = value;
        else if (key == "doing-since")
            holder.nDoingSince = std::strtoll(value.c_str(), nullptr, 10);
    }
    return holder;
}

// The lock is on the file now at `path`, not on one removed or replaced
// since it was opened, which would be nobody's lock.
bool StillThere(int fd, const std::string& path) {
    struct stat held, now;
    return fstat(fd, &held) == 0 && lstat(path.c_str(), &now) == 0 && held.st_dev == now.st_dev &&
           held.st_ino == now.st_ino;
}

// Waits for the lock; false (errno set) when an interrupt request or a
// failure ends the wait.
bool WaitForLock(int fd) {
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR || InterruptRequested()) {
            if (InterruptRequested())
                errno = EINTR;
            return false;
        }
    }
    return true;
}

// One line's text: a name that holds a line break would start a new key.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

} // namespace

CxFolderLock::Result CxFolderLock::Take(const std::string& path, const std::string& program,
                                        bool wait,
                                        const std::function<void(const tagLockHolder&)>& waiting,
                                        tagLockHolder* holder, int* error) {
    int ignored = 0;
    if (!error)
        error = &ignored;
    Release();
    bool told = false;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int fd = OpenNoFollow(path.c_str(), O_RDWR | O_CREAT);
        if (fd < 0) {
            *error = errno;
            return Result::Failed;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int why = errno;
            const tagLockHolder other = ParseRecord(ReadRecordText(fd));
            if (holder)
                *holder = other;
            if (why != EWOULDBLOCK || !wait) {
                close(fd);
                *error = why;
                return why == EWOULDBLOCK ? Result::Held : Result::Failed;
            }
            if (!told && waiting)
                waiting(other);
            told = true;
            if (!WaitForLock(fd)) {
                *error = errno;
                close(fd);
                return Result::Failed;
            }
        }
        if (!StillThere(fd, path)) {
            close(fd);
            continue;
        }
        m_previous = ParseRecord(ReadRecordText(fd));
        m_fd = fd;
        m_own = tagLockHolder();
        m_own.sProgram = OneLine(program);
        m_own.nPid = static_cast<long>(getpid());
        m_own.nSince = static_cast<long long>(time(nullptr));
        WriteRecord_();
        return Result::Taken;
    }
    *error = EAGAIN;
    return Result::Failed;
}

void CxFolderLock::SetDoing(const std::string& doing) {
    if (m_fd < 0)
        return;
    m_own.sDoing = OneLine(doing);
    m_own.nDoingSince = doing.empty() ? 0 : static_cast<long long>(time(nullptr));
    WriteRecord_();
}

void CxFolderLock::Release() {
    if (m_fd < 0)
        return;
    // An empty record: the next holder finds nothing left undone. The lock
    // goes all the same when it cannot be emptied.
    [[maybe_unused]] const int emptied = ftruncate(m_fd, 0);
    close(m_fd);
    m_fd = -1;
}

void CxFolderLock::WriteRecord_() {
    std::string text = "program " + m_own.sProgram + "\npid " + std::to_string(m_own.nPid) +
                       "\nsince " + std::to_string(m_own.nSince) + "\n";
    if (!m_own.sDoing.empty())
        text += "doing " + m_own.sDoing + "\ndoing-since " + std::to_string(m_own.nDoingSince) + "\n";
    if (ftruncate(m_fd, 0) == 0 && lseek(m_fd, 0, SEEK_SET) == 0)
        WriteAll(m_fd, text);
}

bool FolderLockHeld(const std::string& path, tagLockHolder* holder) {
    const int fd = OpenNoFollow(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    const tagLockHolder read = ParseRecord(ReadRecordText(fd));
    close(fd);
    if (holder)
        *holder = read;
    return ProcessRuns(read.nPid);
}

bool ProcessRuns(long pid) {
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace platform
