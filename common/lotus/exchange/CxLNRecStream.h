// The exchange data file of a load, written a record at a time as the
// documents are read: nothing of a record stays in memory but where it is.
// The file has no name until it is published, so a load that fails or dies
// leaves nothing that could pass for its records.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class CxLNRecStream {
public:
    CxLNRecStream() = default;
    ~CxLNRecStream();
    CxLNRecStream(const CxLNRecStream&) = delete;
    CxLNRecStream& operator=(const CxLNRecStream&) = delete;

    // A new file in `folder` (ending with its separator), private to its
    // owner, its count still 0; false, errno set, when none can be made.
    bool Begin(const char* folder);
    bool IsOpen() const { return m_nFd >= 0; }
    // Where the record's bytes start; -1 once a write failed.
    int64_t Append(const std::string& bytes);
    // Everything appended is in the file: readable through Fd().
    bool Flush();
    // The count at the head; false when any write failed.
    bool End(int32_t count);
    int Fd() const { return m_nFd; }
    int64_t Size() const { return m_nSize; }
    // Gives up the descriptor (to a reader); the stream is closed after.
    int Release();

    // Gives the file behind `fd` the name `path`, replacing what is there.
    // False when the file can not be named (then it must be copied).
    static bool Publish(int fd, const char* path);

private:
    int m_nFd = -1;
    int64_t m_nSize = 0; // bytes appended, the head included
    std::string m_buffer;
    bool m_bFailed = false;
};
