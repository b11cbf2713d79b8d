#include "CxFile.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Reads and drops `count` bytes.
void Skip(FILE* stream, uint32_t count) {
    char scratch[4096];
    while (count > 0) {
        std::size_t chunk = count < sizeof scratch ? count : sizeof scratch;
        std::size_t got = std::fread(scratch, 1, chunk, stream);
        if (got == 0)
            return;
        count -= static_cast<uint32_t>(got);
    }
}

} // namespace

CxFile::CxFile() : m_pStream(nullptr) {}

CxFile::~CxFile() {
    Close();
}

bool CxFile::Open(const char* path, const char* mode) {
    if (!path || !*path || !mode || !*mode)
        return false;
    Close(); // a second open would otherwise leak the first stream
    m_pStream = std::strpbrk(mode, "wa") ? OpenForWriting(path, mode) : std::fopen(path, mode);
    return m_pStream != nullptr;
}

// A file the system writes is never written through a symbolic link: the link
// could send the bytes (a password, records) to any file of the user.
FILE* CxFile::OpenForWriting(const char* path, const char* mode) {
    const bool append = std::strchr(mode, 'a') != nullptr;
    int flags = O_CREAT | O_NOFOLLOW | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
    flags |= std::strchr(mode, '+') ? O_RDWR : O_WRONLY;
    const int fd = open(path, flags, 0666);
    if (fd < 0)
        return nullptr;
    FILE* stream = fdopen(fd, mode);
    if (!stream)
        close(fd);
    return stream;
}

bool CxFile::Close() {
    if (m_pStream) {
        std::fclose(m_pStream);
        m_pStream = nullptr;
    }
    return true;
}

bool CxFile::ReadInt(int32_t* p) {
    if (!m_pStream || !p)
        return false;
    unsigned char bytes[4];
    if (std::fread(bytes, 1, 4, m_pStream) == 4)
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
    if (std::fread(bytes, 1, 8, m_pStream) == 8)
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
    if (n <= 0)
        return true;
    const uint32_t total = static_cast<uint32_t>(n);
    if (size == 0) {
        Skip(m_pStream, total);
        return true;
    }
    const uint32_t kept = total < size ? total : size - 1;
    std::size_t got = std::fread(buffer, 1, kept, m_pStream);
    buffer[got] = '\0';
    Skip(m_pStream, total - kept);
    return true;
}

bool CxFile::WriteInt(int32_t n) {
    if (!m_pStream)
        return false;
    unsigned char bytes[4];
    PutLittleEndian(static_cast<uint32_t>(n), bytes);
    std::fwrite(bytes, 1, 4, m_pStream);
    return true;
}

bool CxFile::WriteBool(bool b) {
    return WriteInt(b ? 1 : 0);
}

bool CxFile::WriteDouble(double d) {
    if (!m_pStream)
        return false;
    std::fwrite(&d, 1, 8, m_pStream);
    return true;
}

bool CxFile::WriteString(const char* text) {
    if (!m_pStream)
        return false;
    const std::size_t length = text ? std::strlen(text) : 0;
    WriteInt(static_cast<int32_t>(length));
    if (length)
        std::fwrite(text, 1, length, m_pStream);
    return true;
}

bool CxFile::WriteLine(const char* text) {
    if (!m_pStream)
        return false;
    std::fprintf(m_pStream, "%s\r\n", text ? text : "");
    return true;
}

bool CxFile::AtEnd() const {
    return !m_pStream || std::feof(m_pStream) || std::ferror(m_pStream);
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
    FILE* stream = std::fopen(path, "rb");
    if (!stream)
        return -1;
    long size = -1;
    if (std::fseek(stream, 0, SEEK_END) == 0)
        size = std::ftell(stream);
    std::fclose(stream);
    if (size > INT32_MAX)
        return INT32_MAX;
    return static_cast<int32_t>(size);
}
