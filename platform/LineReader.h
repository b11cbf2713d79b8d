// Lines of a file, one at a time and each read up to a bound, so that no
// file, however large or damaged, is ever held whole in memory.
#pragma once
#include <cstddef>
#include <string>

namespace platform {

class CxLineReader {
public:
    // Reads `fd` (not owned); of a line longer than `keep` bytes only the
    // first `keep` are kept.
    CxLineReader(int fd, std::size_t keep) : m_fd(fd), m_keep(keep) {}
    CxLineReader(const CxLineReader&) = delete;
    CxLineReader& operator=(const CxLineReader&) = delete;

    // The next line without its LF (and a CR before it); false at the end of
    // the file or after a failed read. `cut` tells a line longer than the
    // bound: its rest is skipped unread when the next line is asked for.
    bool Next(std::string* line, bool* cut);
    // The number of the line Next gave last, counting from 1.
    long Number() const { return m_nNumber; }
    // A read failed (errno was set then); the lines so far were read.
    bool Failed() const { return m_bFailed; }

private:
    bool Fill_();
    bool SkipPastLineEnd_();

    int m_fd;
    std::size_t m_keep;
    char m_buffer[16384];
    std::size_t m_nPos = 0, m_nLen = 0;
    long m_nNumber = 0;
    bool m_bInLongLine = false;
    bool m_bFailed = false;
};

} // namespace platform
