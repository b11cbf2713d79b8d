#include "CxFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/misc/CxLengthText.h"
#include "platform/SafeOpen.h"

namespace {

void PutLittleEndian(uint32_t value, unsigned char* bytes) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t GetLittleEndian(const unsigned char* bytes) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    return value;
}

const std::size_t kBufferSize = 64 * 1024;

} // namespace

CxFile::CxFile()
    : m_pStream(nullptr), m_nPos(0), m_nEnd(0), m_bWriting(false),
      m_bShort(false), m_bFailed(false), m_nError(0) {}

CxFile::~CxFile() {
    Close();
}

bool CxFile::Open(const char* path, const char* mode) {
    if (!path || !*path || !mode || !*mode)
        return false;
    Close(); // a second open would otherwise leak the first stream
    m_nError = 0;
    m_pStream = OpenStream_(path, mode);
    // A stream that both reads and writes takes the writes only.
    m_bWriting = std::strpbrk(mode, "wa+") != nullptr;
    if (!m_pStream)
        return false;
    // Our buffer is the only one, so a failed write shows when it is
    // flushed, not in an unchecked close.
    std::setvbuf(m_pStream, nullptr, _IONBF, 0);
    if (!m_pBuffer)
        m_pBuffer.reset(new unsigned char[kBufferSize]);
    return true;
}

// The system's files are never read or written through a symbolic link: a
// link could send the bytes (a password, records) to any file of the user, or
// take records from one. A file made here is its owner's alone.
FILE* CxFile::OpenStream_(const char* path, const char* mode) {
    const bool writes = std::strpbrk(mode, "wa") != nullptr;
    const bool append = std::strchr(mode, 'a') != nullptr;
    int flags = writes ? O_CREAT | (append ? O_APPEND : O_TRUNC) : 0;
    flags |= std::strchr(mode, '+') ? O_RDWR : (writes ? O_WRONLY : O_RDONLY);
    const int fd = platform::OpenNoFollow(path, flags);
    if (fd < 0)
        return nullptr;
    // Records written into a file that an older run left readable to others
    // would be readable too. A device (a terminal, /dev/full) is no such file
    // and keeps its mode.
    struct stat st;
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (writes && regular && fchmod(fd, S_IRUSR | S_IWUSR) != 0) {
        close(fd);
        return nullptr;
    }
    FILE* stream = fdopen(fd, mode);
    if (!stream)
        close(fd);
    return stream;
}

bool CxFile::Close() {
    bool closed = true;
    if (m_pStream) {
        Flush_();
        if (std::fclose(m_pStream) != 0 && m_bWriting)
            Fail_();
        closed = !m_bWriting || !m_bFailed;
        m_pStream = nullptr;
    }
    m_nPos = m_nEnd = 0;
    m_bShort = m_bFailed = false;
    return closed;
}

void CxFile::Fail_() {
    if (!m_bFailed)
        m_nError = errno ? errno : EIO;
    m_bFailed = true;
}

std::size_t CxFile::Take_(void* bytes, std::size_t count) {
    // Nearly every field is in the buffer already.
    if (count <= m_nEnd - m_nPos && !m_bWriting) {
        if (bytes)
            std::memcpy(bytes, m_pBuffer.get() + m_nPos, count);
        m_nPos += count;
        return count;
    }
    unsigned char* to = static_cast<unsigned char*>(bytes);
    std::size_t got = 0;
    while (got < count && !m_bWriting) {
        if (m_nPos == m_nEnd) {
            m_nPos = 0;
            m_nEnd = std::fread(m_pBuffer.get(), 1, kBufferSize, m_pStream);
            if (m_nEnd == 0)
                break;
        }
        const std::size_t chunk = std::min(count - got, m_nEnd - m_nPos);
        if (to)
            std::memcpy(to + got, m_pBuffer.get() + m_nPos, chunk);
        m_nPos += chunk;
        got += chunk;
    }
    if (got < count) {
        m_bShort = true;
        if (m_bWriting)
            Fail_();
    }
    return got;
}

void CxFile::Put_(const void* bytes, std::size_t count) {
    if (!m_bWriting) {
        Fail_();
        return;
    }
    if (m_nEnd + count > kBufferSize)
        Flush_();
    if (count > kBufferSize) {
        if (std::fwrite(bytes, 1, count, m_pStream) != count)
            Fail_();
        return;
    }
    std::memcpy(m_pBuffer.get() + m_nEnd, bytes, count);
    m_nEnd += count;
}

void CxFile::Flush_() {
    if (!m_bWriting || m_nEnd == 0)
        return;
    if (std::fwrite(m_pBuffer.get(), 1, m_nEnd, m_pStream) != m_nEnd)
        Fail_();
    m_nEnd = 0;
}

bool CxFile::ReadInt(int32_t* p) {
    if (!m_pStream || !p)
        return false;
    unsigned char bytes[4];
    if (Take_(bytes, 4) == 4)
        *p = static_cast<int32_t>(GetLittleEndian(bytes));
    return true;
}

bool CxFile::ReadBool(int32_t* p) {
    return ReadInt(p);
}

bool CxFile::ReadDouble(double* p) {
    if (!m_pStream || !p)
        return false;
    unsigned char bytes[8];
    if (Take_(bytes, 8) == 8)
        std::memcpy(p, bytes, 8);
    return true;
}

bool CxFile::ReadString(char* buffer, uint32_t size, int32_t* length) {
    if (!m_pStream || !buffer)
        return false;
    int32_t n = 0;
    ReadInt(&n);
    if (length)
        *length = n;
    CxReadLengthText(n, buffer, size, [this](char* bytes, std::size_t count) {
        return Take_(bytes, count);
    });
    return true;
}

bool CxFile::WriteInt(int32_t n) {
    if (!m_pStream)
        return false;
    unsigned char bytes[4];
    PutLittleEndian(static_cast<uint32_t>(n), bytes);
    Put_(bytes, 4);
    return true;
}

bool CxFile::WriteBool(bool b) {
    return WriteInt(b ? 1 : 0);
}

bool CxFile::WriteDouble(double d) {
    if (!m_pStream)
        return false;
    Put_(&d, 8);
    return true;
}

bool CxFile::WriteString(const char* text) {
    return WriteString(text, text ? std::strlen(text) : 0);
}

bool CxFile::WriteString(const char* text, std::size_t length) {
    if (!m_pStream)
        return false;
    WriteInt(static_cast<int32_t>(length));
    if (length)
        Put_(text, length);
    return true;
}

bool CxFile::WriteBytes(const void* bytes, std::size_t count) {
    if (!m_pStream)
        return false;
    if (count)
        Put_(bytes, count);
    return true;
}

bool CxFile::WriteLine(const char* text) {
    if (!m_pStream)
        return false;
    if (text)
        Put_(text, std::strlen(text));
    Put_("\r\n", 2);
    return true;
}

bool CxFile::AtEnd() {
    if (!m_pStream)
        return true;
    Flush_();
    return m_bShort || m_bFailed || std::ferror(m_pStream);
}

int64_t CxFile::Size() const {
    struct stat st;
    if (!m_pStream || fstat(fileno(m_pStream), &st) != 0)
        return -1;
    return static_cast<int64_t>(st.st_size);
}

int32_t CxFile::GetFileSize(const char* path) {
    if (!path || !*path)
        return -1;
    const int fd = platform::OpenNoFollow(path, O_RDONLY);
    if (fd < 0)
        return -1;
    const off_t size = lseek(fd, 0, SEEK_END);
    close(fd);
    if (size > INT32_MAX)
        return INT32_MAX;
    return static_cast<int32_t>(size);
}
