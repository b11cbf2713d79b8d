#include "CxLNRecWindow.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/SafeOpen.h"

namespace {

// Large enough that a walk through the file reads it in few calls, small
// enough that a jump to one record costs little.
const std::size_t kWindowBytes = 256 * 1024;

} // namespace

CxLNRecWindow::~CxLNRecWindow() {
    Close();
}

bool CxLNRecWindow::Open(const char* path) {
    Close();
    const int fd = path && *path ? platform::OpenNoFollow(path, O_RDONLY) : -1;
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) {
        const int error = errno;
        if (fd >= 0)
            close(fd);
        errno = error;
        return false;
    }
    Adopt(fd, static_cast<int64_t>(st.st_size));
    m_sPath = path;
    return true;
}

void CxLNRecWindow::Adopt(int fd, int64_t size) {
    Close();
    m_nFd = fd;
    m_nSize = size;
}

void CxLNRecWindow::Close() {
    if (m_nFd >= 0)
        close(m_nFd);
    m_nFd = -1;
    m_nSize = 0;
    m_sPath.clear();
    m_nWindowAt = 0;
    m_nWindowBytes = 0;
}

const unsigned char* CxLNRecWindow::Read(int64_t at, std::size_t need, std::size_t* available) {
    *available = 0;
    if (m_nFd < 0 || at < 0 || at >= m_nSize)
        return nullptr;
    const std::size_t rest = static_cast<std::size_t>(m_nSize - at);
    need = std::min(need, rest);
    const bool inside =
        at >= m_nWindowAt && static_cast<std::size_t>(at - m_nWindowAt) + need <= m_nWindowBytes;
    if (!inside) {
        const std::size_t want = std::min(rest, std::max(need, kWindowBytes));
        if (m_window.size() < want)
            m_window.resize(want);
        std::size_t got = 0;
        while (got < want) {
            const ssize_t n = pread(m_nFd, m_window.data() + got, want - got,
                                    static_cast<off_t>(at + static_cast<int64_t>(got)));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        m_nWindowAt = at;
        m_nWindowBytes = got;
    }
    const std::size_t offset = static_cast<std::size_t>(at - m_nWindowAt);
    *available = m_nWindowBytes - offset;
    return m_window.data() + offset;
}
