#include "CxLNRecStream.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DurableWrite.h"
#include "platform/SafeOpen.h"

namespace {

const std::size_t kBufferBytes = 1 << 20;

bool PutAt(int fd, const unsigned char* bytes, std::size_t count, off_t at) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = pwrite(fd, bytes + done, count - done, at + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

CxLNRecStream::~CxLNRecStream() {
    if (m_nFd >= 0)
        close(m_nFd);
}

bool CxLNRecStream::Begin(const char* folder) {
    if (m_nFd >= 0)
        close(m_nFd);
    m_nFd = -1;
    m_nSize = 0;
    m_buffer.clear();
    m_bFailed = false;
    if (!folder || !*folder)
        return false;
    // The folder itself is never reached through a symbolic link either.
    const int dir = platform::OpenFolderNoFollow(folder);
    if (dir < 0)
        return false;
    m_nFd = openat(dir, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, S_IRUSR | S_IWUSR);
    const int error = errno;
    close(dir);
    if (m_nFd >= 0 && fchmod(m_nFd, S_IRUSR | S_IWUSR) != 0) {
        close(m_nFd);
        m_nFd = -1;
    }
    if (m_nFd < 0) {
        errno = error;
        return false;
    }
    m_buffer.reserve(kBufferBytes);
    m_buffer.assign(4, '\0');
    m_nSize = 4;
    return true;
}

int64_t CxLNRecStream::Append(const std::string& bytes) {
    if (m_nFd < 0 || m_bFailed)
        return -1;
    if (m_buffer.size() + bytes.size() > kBufferBytes && !Flush())
        return -1;
    const int64_t at = m_nSize;
    m_buffer += bytes;
    m_nSize += static_cast<int64_t>(bytes.size());
    return at;
}

bool CxLNRecStream::Flush() {
    if (m_nFd < 0 || m_bFailed)
        return false;
    if (!m_buffer.empty() && !platform::WriteAll(m_nFd, m_buffer))
        m_bFailed = true;
    m_buffer.clear();
    return !m_bFailed;
}

bool CxLNRecStream::End(int32_t count) {
    if (!Flush())
        return false;
    const uint32_t u = static_cast<uint32_t>(count);
    const unsigned char head[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                   static_cast<unsigned char>(u >> 16),
                                   static_cast<unsigned char>(u >> 24)};
    m_bFailed = !PutAt(m_nFd, head, sizeof head, 0);
    return !m_bFailed;
}

int CxLNRecStream::Release() {
    const int fd = m_nFd;
    m_nFd = -1;
    return fd;
}

bool CxLNRecStream::Publish(int fd, const char* path) {
    if (fd < 0 || !path || !*path)
        return false;
    // Named beside its place first, then renamed over it: no reader ever
    // finds half a file there.
    const std::string temporary = std::string(path) + ".new";
    std::remove(temporary.c_str());
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return false;
    if (std::rename(temporary.c_str(), path) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
