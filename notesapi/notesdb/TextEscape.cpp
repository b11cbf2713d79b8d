#include "TextEscape.h"

#include <cstdio>
#include <cstring>

namespace {

const char kNamed[] = {'\\', '\\', '\0', '0', '\r', 'r', '\n', 'n', '\t', 't'};

// The letter of a named escape for `c`, or 0.
char NamedEscape(char c) {
    for (std::size_t i = 0; i < sizeof kNamed; i += 2)
        if (kNamed[i] == c)
            return kNamed[i + 1];
    return 0;
}

// The byte of a named escape letter; false when `letter` names none.
bool NamedByte(char letter, char* byte) {
    for (std::size_t i = 0; i < sizeof kNamed; i += 2)
        if (kNamed[i + 1] == letter) {
            *byte = kNamed[i];
            return true;
        }
    return false;
}

// strchr would match the terminator for a zero byte.
bool IsOneOf(char c, const char* set) {
    return c != '\0' && std::strchr(set, c);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string EscapeText(const std::string& bytes, const char* special) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        unsigned char u = static_cast<unsigned char>(c);
        if (char letter = NamedEscape(c)) {
            out += '\\';
            out += letter;
        } else if (u < 0x20 || u == 0x7f) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        } else {
            if (IsOneOf(c, special))
                out += '\\';
            out += c;
        }
    }
    return out;
}

bool UnescapeText(const std::string& text, std::size_t* pos, const char* stops,
                  std::string* bytes) {
    std::size_t i = *pos;
    while (i < text.size() && !IsOneOf(text[i], stops)) {
        char c = text[i++];
        if (c != '\\') {
            *bytes += c;
            continue;
        }
        if (i >= text.size())
            return false;
        char letter = text[i++];
        char byte = 0;
        if (NamedByte(letter, &byte)) {
            *bytes += byte;
        } else if (letter == 'x') {
            int high = i < text.size() ? HexDigit(text[i]) : -1;
            int low = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
            if (high < 0 || low < 0)
                return false;
            *bytes += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            *bytes += letter; // an escaped special character
        }
    }
    *pos = i;
    return true;
}
