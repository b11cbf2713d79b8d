// Reading an exchange data file by offset: the bytes of a record at a time,
// through a window that a sequential walk refills rarely and a jump reads
// small. The file stays open, so what is read is always the file that was
// opened, whatever is renamed over its name since.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CxLNRecWindow {
public:
    CxLNRecWindow() = default;
    ~CxLNRecWindow();
    CxLNRecWindow(const CxLNRecWindow&) = delete;
    CxLNRecWindow& operator=(const CxLNRecWindow&) = delete;

    // Never through a symbolic link; false, errno set, when it can not be opened.
    bool Open(const char* path);
    // Takes `fd` (open for reading) over; its bytes up to `size` are read.
    void Adopt(int fd, int64_t size);
    void Close();
    // The file grew to `size` (a file being written through another descriptor).
    void Grow(int64_t size) { m_nSize = size; }
    bool IsOpen() const { return m_nFd >= 0; }
    int Fd() const { return m_nFd; }
    int64_t Size() const { return m_nSize; }
    const std::string& Path() const { return m_sPath; }

    // The bytes from `at` on, at least `need` of them unless the file ends
    // first; `available` receives how many there are. Valid until the next call.
    const unsigned char* Read(int64_t at, std::size_t need, std::size_t* available);

private:
    int m_nFd = -1;
    int64_t m_nSize = 0;
    std::string m_sPath;
    std::vector<unsigned char> m_window;
    int64_t m_nWindowAt = 0;
    std::size_t m_nWindowBytes = 0;
};
