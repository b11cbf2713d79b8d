// Typed little-endian values of the system's own record files over one C stream.
#pragma once
#include <cstdint>
#include <cstdio>

class CxFile {
public:
    CxFile();
    virtual ~CxFile();
    CxFile(const CxFile&) = delete;
    CxFile& operator=(const CxFile&) = delete;

    // A mode that writes ("w", "a") never follows a symbolic link at `path`.
    bool Open(const char* path, const char* mode);
    bool Close();
    bool IsOpen() const { return m_pStream != nullptr; }

    bool ReadInt(int32_t* p);
    bool ReadBool(int32_t* p);
    bool ReadDouble(double* p);
    // Reads a length-prefixed text into `buffer` of `size` bytes; a longer
    // text is cut to size-1 and its rest skipped. `length` receives L.
    bool ReadString(char* buffer, uint32_t size, int32_t* length = nullptr);

    bool WriteInt(int32_t n);
    bool WriteBool(bool b);
    bool WriteDouble(double d);
    bool WriteString(const char* text);
    bool WriteLine(const char* text);

    // True when the stream has reached its end or failed.
    bool AtEnd() const;
    // Bytes of the open file, -1 when unknown.
    int64_t Size() const;

    static int32_t GetFileSize(const char* path);

private:
    static FILE* OpenForWriting(const char* path, const char* mode);

    FILE* m_pStream;
};
