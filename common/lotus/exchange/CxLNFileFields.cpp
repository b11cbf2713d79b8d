#include "CxLNFileFields.h"

#include <algorithm>
#include <cstring>

#include "common/misc/CxFile.h"
#include "common/misc/CxLengthText.h"

namespace {

// Reads the bytes of one record in memory the way CxFile reads a file: a
// value that can not be read whole leaves its field, and so does everything
// after the end.
class CxByteReader {
public:
    CxByteReader(const void* bytes, std::size_t size)
        : m_pBytes(static_cast<const unsigned char*>(bytes)), m_nSize(size) {}

    bool ReadInt(int32_t* p) {
        unsigned char bytes[4];
        if (Take(bytes, 4) == 4)
            *p = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) |
                                      static_cast<uint32_t>(bytes[1]) << 8 |
                                      static_cast<uint32_t>(bytes[2]) << 16 |
                                      static_cast<uint32_t>(bytes[3]) << 24);
        return true;
    }
    bool ReadBool(int32_t* p) { return ReadInt(p); }
    bool ReadDouble(double* p) {
        unsigned char bytes[8];
        if (Take(bytes, 8) == 8)
            std::memcpy(p, bytes, 8);
        return true;
    }
    bool ReadString(char* buffer, uint32_t size) {
        int32_t n = 0;
        ReadInt(&n);
        CxReadLengthText(n, buffer, size,
                         [this](char* to, std::size_t count) { return Take(to, count); });
        return true;
    }
    std::size_t Take(void* to, std::size_t count) {
        const std::size_t got = std::min(count, m_nSize - m_nPos);
        if (to && got)
            std::memcpy(to, m_pBytes + m_nPos, got);
        m_nPos += got;
        m_bShort = m_bShort || got < count;
        return got;
    }
    std::size_t Position() const { return m_nPos; }
    bool Short() const { return m_bShort; }

private:
    const unsigned char* m_pBytes;
    std::size_t m_nSize;
    std::size_t m_nPos = 0;
    bool m_bShort = false;
};

// Writes a record's bytes into memory the way CxFile writes a file.
class CxByteWriter {
public:
    explicit CxByteWriter(std::string* out) : m_pOut(out) {}

    bool WriteInt(int32_t n) {
        const uint32_t u = static_cast<uint32_t>(n);
        const char bytes[4] = {static_cast<char>(u), static_cast<char>(u >> 8),
                               static_cast<char>(u >> 16), static_cast<char>(u >> 24)};
        m_pOut->append(bytes, 4);
        return true;
    }
    bool WriteDouble(double d) {
        char bytes[8];
        std::memcpy(bytes, &d, 8);
        m_pOut->append(bytes, 8);
        return true;
    }
    bool WriteString(const char* text, std::size_t length) {
        WriteInt(static_cast<int32_t>(length));
        m_pOut->append(text, length);
        return true;
    }

private:
    std::string* m_pOut;
};

template <class Reader> void ReadField(Reader* in, unsigned char* at, const tagLNFileField& field) {
    switch (field.nKind) {
    case LN_FIELD_INT: {
        int32_t n;
        std::memcpy(&n, at, sizeof n);
        in->ReadInt(&n);
        std::memcpy(at, &n, sizeof n);
        break;
    }
    case LN_FIELD_DATE: {
        double d;
        std::memcpy(&d, at, sizeof d);
        in->ReadDouble(&d);
        std::memcpy(at, &d, sizeof d);
        break;
    }
    case LN_FIELD_TEXT:
        in->ReadString(reinterpret_cast<char*>(at), static_cast<uint32_t>(field.nSize));
        break;
    case LN_FIELD_FLAG: {
        int32_t slot = *at; // a slot that cannot be read leaves the flag
        in->ReadBool(&slot);
        *at = static_cast<unsigned char>(slot & 0xFF);
        break;
    }
    }
}

template <class Writer>
void WriteField(Writer* out, const unsigned char* at, const tagLNFileField& field) {
    switch (field.nKind) {
    case LN_FIELD_INT: {
        int32_t n;
        std::memcpy(&n, at, sizeof n);
        out->WriteInt(n);
        break;
    }
    case LN_FIELD_DATE: {
        double d;
        std::memcpy(&d, at, sizeof d);
        out->WriteDouble(d);
        break;
    }
    case LN_FIELD_TEXT: {
        const char* text = reinterpret_cast<const char*>(at);
        out->WriteString(text, strnlen(text, field.nSize));
        break;
    }
    case LN_FIELD_FLAG:
        out->WriteInt(*at);
        break;
    }
}

template <class Reader>
void ReadFields(Reader* in, void* rec, const tagLNFileField* fields, std::size_t count) {
    unsigned char* base = static_cast<unsigned char*>(rec);
    for (std::size_t i = 0; i < count; ++i)
        ReadField(in, base + fields[i].nOffset, fields[i]);
}

template <class Writer>
void WriteFields(Writer* out, const void* rec, const tagLNFileField* fields, std::size_t count) {
    const unsigned char* base = static_cast<const unsigned char*>(rec);
    for (std::size_t i = 0; i < count; ++i)
        WriteField(out, base + fields[i].nOffset, fields[i]);
}

} // namespace

void LNReadFields(CxFile* file, void* rec, const tagLNFileField* fields, std::size_t count) {
    ReadFields(file, rec, fields, count);
}

void LNWriteFields(CxFile* file, const void* rec, const tagLNFileField* fields, std::size_t count) {
    WriteFields(file, rec, fields, count);
}

std::size_t LNDecodeFields(const void* bytes, std::size_t size, void* rec,
                           const tagLNFileField* fields, std::size_t count, bool* complete) {
    CxByteReader in(bytes, size);
    ReadFields(&in, rec, fields, count);
    if (complete)
        *complete = !in.Short();
    return in.Position();
}

void LNEncodeFields(const void* rec, const tagLNFileField* fields, std::size_t count,
                    std::string* out) {
    CxByteWriter writer(out);
    WriteFields(&writer, rec, fields, count);
}

std::size_t LNFileBytes(const tagLNFileField* fields, std::size_t count) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        bytes += fields[i].nKind == LN_FIELD_DATE ? 8 : 4; // a text takes its length at least
    return bytes;
}
