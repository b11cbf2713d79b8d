#include "notesapi/src/Text.h"

#include "notesapi/src/Lmbcs.h"

#include <cstring>

namespace zns {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(const char* a, std::size_t aLength, const char* b, std::size_t bLength) {
    if (aLength != bLength)
        return false;
    for (std::size_t i = 0; i < aLength; ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return EqualNoCase(a.data(), a.size(), b.data(), b.size());
}

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::string NameArgument(const char* name, std::size_t length) {
    if (!name)
        return std::string();
    if (length == 0xffff || length == 0)
        length = std::strlen(name);
    const void* zero = std::memchr(name, 0, length);
    if (zero)
        length = static_cast<std::size_t>(static_cast<const char*>(zero) - name);
    return std::string(name, length);
}

std::size_t CopyText(char* dst, std::size_t size, const std::string& src) {
    if (!dst || size == 0)
        return 0;
    const std::size_t n =
        LmbcsCut(reinterpret_cast<const uint8_t*>(src.data()), src.size(), size - 1);
    std::memcpy(dst, src.data(), n);
    dst[n] = '\0';
    return n;
}

void PutWord(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xff));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutDword(std::vector<uint8_t>& out, uint32_t value) {
    PutWord(out, static_cast<uint16_t>(value & 0xffff));
    PutWord(out, static_cast<uint16_t>(value >> 16));
}

uint16_t GetWord(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t GetDword(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

} // namespace zns
