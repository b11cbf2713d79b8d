#include "Cp1252.h"

namespace platform {

namespace {

// 0x80..0x9F; the five unassigned bytes map to the C1 controls of the same value.
const char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t FromByte(unsigned char c) {
    return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
}

char ToByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (unsigned i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

void AppendUtf8(std::string* out, char32_t c) {
    if (c < 0x80) {
        *out += static_cast<char>(c);
    } else if (c < 0x800) {
        *out += static_cast<char>(0xC0 | (c >> 6));
        *out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out += static_cast<char>(0xE0 | (c >> 12));
        *out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `*pos`; malformed input gives U+FFFD, one byte consumed.
char32_t NextUtf8(std::string_view text, std::size_t* pos) {
    const unsigned char lead = static_cast<unsigned char>(text[*pos]);
    int extra = lead < 0x80             ? 0
                : (lead & 0xE0) == 0xC0 ? 1
                : (lead & 0xF0) == 0xE0 ? 2
                : (lead & 0xF8) == 0xF0 ? 3
                                        : -1;
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (extra < 0 || *pos + static_cast<std::size_t>(extra) >= text.size()) {
        ++*pos;
        return 0xFFFD;
    }
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const unsigned char next = static_cast<unsigned char>(text[*pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++*pos;
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++*pos;
        return 0xFFFD;
    }
    *pos += static_cast<std::size_t>(extra) + 1;
    return c;
}

} // namespace

std::u16string Cp1252ToWide(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out += static_cast<char16_t>(FromByte(static_cast<unsigned char>(c)));
    return out;
}

std::string WideToCp1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        // A surrogate pair is one character outside the code page.
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            ++i;
        out += ToByte(c >= 0xD800 && c <= 0xDFFF ? 0xFFFD : c);
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        AppendUtf8(&out, FromByte(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        out += ToByte(NextUtf8(text, &pos));
    return out;
}

} // namespace platform
