#include "CxLNFileFields.h"

#include <cstring>
#include <string>

#include "common/misc/CxFile.h"

namespace {

void ReadField(CxFile* file, unsigned char* at, const tagLNFileField& field) {
    switch (field.nKind) {
    case LN_FIELD_INT: {
        int32_t n;
        std::memcpy(&n, at, sizeof n);
        file->ReadInt(&n);
        std::memcpy(at, &n, sizeof n);
        break;
    }
    case LN_FIELD_DATE: {
        double d;
        std::memcpy(&d, at, sizeof d);
        file->ReadDouble(&d);
        std::memcpy(at, &d, sizeof d);
        break;
    }
    case LN_FIELD_TEXT:
        file->ReadString(reinterpret_cast<char*>(at), static_cast<uint32_t>(field.nSize));
        break;
    case LN_FIELD_FLAG: {
        int32_t slot = *at; // a slot that cannot be read leaves the flag
        file->ReadBool(&slot);
        *at = static_cast<unsigned char>(slot & 0xFF);
        break;
    }
    }
}

void WriteField(CxFile* file, const unsigned char* at, const tagLNFileField& field) {
    switch (field.nKind) {
    case LN_FIELD_INT: {
        int32_t n;
        std::memcpy(&n, at, sizeof n);
        file->WriteInt(n);
        break;
    }
    case LN_FIELD_DATE: {
        double d;
        std::memcpy(&d, at, sizeof d);
        file->WriteDouble(d);
        break;
    }
    case LN_FIELD_TEXT: {
        const char* text = reinterpret_cast<const char*>(at);
        file->WriteString(std::string(text, strnlen(text, field.nSize)).c_str());
        break;
    }
    case LN_FIELD_FLAG:
        file->WriteInt(*at);
        break;
    }
}

} // namespace

void LNReadFields(CxFile* file, void* rec, const tagLNFileField* fields, std::size_t count) {
    unsigned char* base = static_cast<unsigned char*>(rec);
    for (std::size_t i = 0; i < count; ++i)
        ReadField(file, base + fields[i].nOffset, fields[i]);
}

void LNWriteFields(CxFile* file, const void* rec, const tagLNFileField* fields, std::size_t count) {
    const unsigned char* base = static_cast<const unsigned char*>(rec);
    for (std::size_t i = 0; i < count; ++i)
        WriteField(file, base + fields[i].nOffset, fields[i]);
}

std::size_t LNFileBytes(const tagLNFileField* fields, std::size_t count) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        bytes += fields[i].nKind == LN_FIELD_DATE ? 8 : 4; // a text takes its length at least
    return bytes;
}
