// Typed little-endian values of the system's own record files over one C stream.
#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>

class CxFile {
public:
    CxFile();
    virtual ~CxFile();
    CxFile(const CxFile&) = delete;
    CxFile& operator=(const CxFile&) = delete;

    // No mode follows a symbolic link at `path`; a file written is 0600.
    bool Open(const char* path, const char* mode);
    // False when a write, the last flush or the close failed: a full disk
    // must not pass for a written file.
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
    // The first `length` bytes of `text`, whatever they hold.
    bool WriteString(const char* text, std::size_t length);
    // Bytes as they are, without a length.
    bool WriteBytes(const void* bytes, std::size_t count);
    bool WriteLine(const char* text);

    // True when a read has come to the end of the file or the stream
    // failed; bytes still waiting to be written are written first.
    bool AtEnd();
    // The system's error number of the first failed write since the last
    // Open (kept after Close); 0 when none failed.
    int LastError() const { return m_nError; }
    // Bytes of the open file, -1 when unknown.
    int64_t Size() const;

    // Of the file itself, never of what a symbolic link at `path` names.
    static int32_t GetFileSize(const char* path);

private:
    static FILE* OpenStream_(const char* path, const char* mode);
    // Values go through a buffer of our own: the C library is called once a
    // buffer, not once a field.
    std::size_t Take_(void* bytes, std::size_t count);
    void Put_(const void* bytes, std::size_t count);
    void Flush_();
    // A write failed; the first failure's errno is kept.
    void Fail_();

    FILE* m_pStream;
    std::unique_ptr<unsigned char[]> m_pBuffer;
    std::size_t m_nPos; // next byte to read
    std::size_t m_nEnd; // end of the bytes read, or of those to write
    bool m_bWriting;
    bool m_bShort; // a read came to the end of the file
    bool m_bFailed;          // a write failed
    int m_nError;            // errno of the first that failed
};
