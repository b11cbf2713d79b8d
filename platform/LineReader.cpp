#include "LineReader.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace platform {

bool CxLineReader::Next(std::string* line, bool* cut) {
    line->clear();
    *cut = false;
    if (m_bInLongLine && !SkipPastLineEnd_())
        return false;
    m_bInLongLine = false;
    bool any = false; // an empty last line without its LF is no line
    for (;;) {
        if (m_nPos == m_nLen && !Fill_()) {
            if (any)
                ++m_nNumber;
            return any;
        }
        any = true;
        const char* start = m_buffer + m_nPos;
        const char* nl = static_cast<const char*>(std::memchr(start, '\n', m_nLen - m_nPos));
        const std::size_t run = nl ? static_cast<std::size_t>(nl - start) : m_nLen - m_nPos;
        const std::size_t room = m_keep - line->size();
        if (run > room) {
            line->append(start, room);
            m_nPos += room;
            *cut = m_bInLongLine = true;
            ++m_nNumber;
            return true;
        }
        line->append(start, run);
        m_nPos += run;
        if (nl) {
            ++m_nPos;
            if (!line->empty() && line->back() == '\r')
                line->pop_back();
            ++m_nNumber;
            return true;
        }
    }
}

bool CxLineReader::Fill_() {
    ssize_t n;
    do {
        n = read(m_fd, m_buffer, sizeof m_buffer);
    } while (n < 0 && errno == EINTR);
    m_bFailed = m_bFailed || n < 0;
    m_nPos = 0;
    m_nLen = n > 0 ? static_cast<std::size_t>(n) : 0;
    return m_nLen > 0;
}

bool CxLineReader::SkipPastLineEnd_() {
    for (;;) {
        if (m_nPos == m_nLen && !Fill_())
            return false;
        const void* nl = std::memchr(m_buffer + m_nPos, '\n', m_nLen - m_nPos);
        if (nl) {
            m_nPos = static_cast<std::size_t>(static_cast<const char*>(nl) - m_buffer) + 1;
            return true;
        }
        m_nPos = m_nLen;
    }
}

} // namespace platform
