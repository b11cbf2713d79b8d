#include "notesapi/src/Translate.h"

#include "notesapi/src/Lmbcs.h"

#include <cstring>

namespace zns {

namespace {

using Decoded = DecodedChar;

// One UTF-8 sequence; a malformed one is a replacement taking one byte.
Decoded DecodeUtf8(const uint8_t* p, std::size_t left) {
    const uint8_t lead = p[0];
    const std::size_t extra = lead < 0x80             ? 0
                              : (lead & 0xE0) == 0xC0 ? 1
                              : (lead & 0xF0) == 0xE0 ? 2
                              : (lead & 0xF8) == 0xF0 ? 3
                                                      : 4;
    if (extra == 4 || extra >= left)
        return DecodedChar::Bad(1);
    char32_t code = extra == 0 ? lead : lead & (0x3Fu >> extra);
    for (std::size_t i = 1; i <= extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return DecodedChar::Bad(1);
        code = (code << 6) | (p[i] & 0x3Fu);
    }
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (code < kMin[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return DecodedChar::Bad(1);
    return DecodedChar::Good(code, extra + 1);
}

char16_t Unit(const uint8_t* p) {
    char16_t unit;
    std::memcpy(&unit, p, sizeof unit);
    return unit;
}

// One UTF-16 character; a lone surrogate is a replacement.
Decoded DecodeUtf16(const uint8_t* p, std::size_t left) {
    if (left < 2)
        return DecodedChar::Bad(left);
    const char16_t first = Unit(p);
    if (first >= 0xDC00 && first <= 0xDFFF)
        return DecodedChar::Bad(2);
    if (first < 0xD800 || first > 0xDBFF)
        return DecodedChar::Good(first, 2);
    const char16_t second = left >= 4 ? Unit(p + 2) : 0;
    if (second < 0xDC00 || second > 0xDFFF)
        return DecodedChar::Bad(2);
    return DecodedChar::Good(
        0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) + (second - 0xDC00), 4);
}

Decoded Decode(TextForm form, const uint8_t* p, std::size_t left) {
    if (form == TextForm::Utf8)
        return DecodeUtf8(p, left);
    if (form == TextForm::Utf16)
        return DecodeUtf16(p, left);
    return DecodeLmbcs(p, left);
}

std::size_t EncodeUtf8(char32_t code, uint8_t* out) {
    if (code < 0x80) {
        out[0] = static_cast<uint8_t>(code);
        return 1;
    }
    if (code < 0x800) {
        out[0] = static_cast<uint8_t>(0xC0 | (code >> 6));
        out[1] = static_cast<uint8_t>(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        out[0] = static_cast<uint8_t>(0xE0 | (code >> 12));
        out[1] = static_cast<uint8_t>(0x80 | ((code >> 6) & 0x3F));
        out[2] = static_cast<uint8_t>(0x80 | (code & 0x3F));
        return 3;
    }
    out[0] = static_cast<uint8_t>(0xF0 | (code >> 18));
    out[1] = static_cast<uint8_t>(0x80 | ((code >> 12) & 0x3F));
    out[2] = static_cast<uint8_t>(0x80 | ((code >> 6) & 0x3F));
    out[3] = static_cast<uint8_t>(0x80 | (code & 0x3F));
    return 4;
}

std::size_t EncodeUtf16(char32_t code, uint8_t* out) {
    char16_t units[2];
    std::size_t count = 1;
    if (code >= 0x10000) {
        units[0] = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
        units[1] = static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<char16_t>(code);
    }
    std::memcpy(out, units, count * sizeof(char16_t));
    return count * sizeof(char16_t);
}

// At most 4 bytes; `bad` when the character has no form there.
std::size_t Encode(TextForm form, char32_t code, uint8_t* out, bool& bad) {
    bad = false;
    switch (form) {
    case TextForm::Utf8:
        return EncodeUtf8(code, out);
    case TextForm::Utf16:
        return EncodeUtf16(code, out);
    case TextForm::Ascii:
        bad = code >= 0x80;
        out[0] = bad ? '?' : static_cast<uint8_t>(code);
        return 1;
    case TextForm::Lmbcs:
    default:
        return EncodeLmbcs(code, out, bad);
    }
}

} // namespace

Translation TranslateText(TextForm from, TextForm to, const uint8_t* in, std::size_t inLength,
                          uint8_t* out, std::size_t outLength) {
    Translation t;
    if (!in)
        return t;
    while (t.read < inLength) {
        const Decoded d = Decode(from, in + t.read, inLength - t.read);
        const bool unicode = to == TextForm::Utf8 || to == TextForm::Utf16;
        uint8_t bytes[4];
        bool noForm = false;
        const std::size_t n = Encode(to, d.bad && !unicode ? '?' : d.code, bytes, noForm);
        if (!out || t.written + n > outLength)
            break;
        std::memcpy(out + t.written, bytes, n);
        t.written += n;
        t.read += d.length;
        if (d.bad || noForm)
            ++t.replaced;
    }
    return t;
}

std::string TranslateText(TextForm from, TextForm to, const std::string& in,
                          std::size_t* replaced) {
    // Four output bytes a character at most, a character one input byte at least.
    std::string out(in.size() * 4, '\0');
    const Translation t = TranslateText(from, to, reinterpret_cast<const uint8_t*>(in.data()),
                                        in.size(), reinterpret_cast<uint8_t*>(&out[0]), out.size());
    out.resize(t.written);
    if (replaced)
        *replaced += t.replaced;
    return out;
}

bool IsUtf8(const std::string& text) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(text.data());
    for (std::size_t at = 0; at < text.size();) {
        const Decoded d = DecodeUtf8(p + at, text.size() - at);
        if (d.bad)
            return false;
        at += d.length;
    }
    return true;
}

} // namespace zns
