#include "CxLNLmbcs.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "common/lotus/binding/CxLNApi.h"
#include "platform/Cp1252.h"

namespace {

// Characters a call translates: each takes at most 3 bytes in LMBCS, 3 in
// UTF-8 and 2 in UTF-16, so no call passes the WORD lengths of OSTranslate.
const std::size_t kChunk = MAXWORD / 3;

// Bytes that are the same character in LMBCS and Windows-1252.
bool IsPlain(unsigned char c) {
    return (c >= 0x20 && c < 0x80) || c == 0x00 || c == 0x09 || c == 0x0A || c == 0x0D || c == 0x19;
}

// One call of OSTranslate on `length` bytes; at most `most` bytes out.
std::string Translate(WORD mode, const char* in, std::size_t length, std::size_t most) {
    most = most < MAXWORD ? most : MAXWORD;
    std::vector<char> out(most + 2, '\0');
    const WORD written = LNStoredApi().OSTranslate(mode, in, static_cast<WORD>(length), out.data(),
                                                   static_cast<WORD>(most));
    return std::string(out.data(), written < most ? written : most);
}

// How much of `left` bytes the next call takes: whole characters, at most
// kChunk of them. A broken last character goes whole: the API replaces it.
using PartCut = std::size_t (*)(const char* text, std::size_t left);

std::size_t LmbcsPart(const char* text, std::size_t left) {
    const std::size_t n = LNLmbcsCut(text, left, kChunk);
    return n ? n : left;
}

std::size_t Utf8Part(const char* text, std::size_t left) {
    std::size_t n = left < kChunk ? left : kChunk;
    while (n > 0 && n < left && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    return n ? n : left;
}

std::size_t Utf16Part(const char*, std::size_t left) {
    return left < 2 * kChunk ? left : 2 * kChunk;
}

// OSTranslate over `n` bytes in parts; a byte in gives at most `grow` out.
std::string InParts(WORD mode, const char* text, std::size_t n, PartCut cut, std::size_t grow) {
    std::string out;
    for (std::size_t at = 0; at < n;) {
        const std::size_t part = cut(text + at, n - at);
        out += Translate(mode, text + at, part, part * grow);
        at += part;
    }
    return out;
}

// Calls `piece` for each run between zero bytes and puts the zeros back.
template <class Piece> std::string ByLines(const char* text, std::size_t length, Piece piece) {
    std::string out;
    std::size_t at = 0;
    while (at <= length) {
        const void* zero = std::memchr(text + at, '\0', length - at);
        const std::size_t end =
            zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text) : length;
        out += piece(text + at, end - at);
        if (end < length)
            out += '\0';
        at = end + 1;
    }
    return out;
}

std::string ToLmbcsLine(const char* text, std::size_t length) {
    const std::u16string wide = platform::Cp1252ToWide(std::string_view(text, length));
    return InParts(OS_TRANSLATE_UNICODE_TO_LMBCS, reinterpret_cast<const char*>(wide.data()),
                   wide.size() * 2, Utf16Part, 2);
}

std::u16string FromLmbcsLine(const char* lmbcs, std::size_t length) {
    const std::string units = InParts(OS_TRANSLATE_LMBCS_TO_UNICODE, lmbcs, length, LmbcsPart, 2);
    std::u16string wide(units.size() / 2, u'\0');
    std::memcpy(&wide[0], units.data(), wide.size() * 2);
    return wide;
}

std::size_t CharacterLength(unsigned char lead) {
    if (lead >= 0x20 || IsPlain(lead))
        return 1;
    return lead == 0x14 || (lead >= 0x10 && lead <= 0x13) ? 3 : 2;
}

// Whether each of the eight bytes of `word` is printable ASCII (0x20-0x7F):
// no high bit, and none that borrows when 0x20 is taken from it.
bool AllPrintable(uint64_t word) {
    return ((word | (word - 0x2020202020202020ULL)) & 0x8080808080808080ULL) == 0;
}

bool AllPlain(const char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        if (!IsPlain(static_cast<unsigned char>(text[i])))
            return false;
    return true;
}

} // namespace

// Most texts are printable ASCII with a line break here and there: eight
// bytes at a time, and those of a word with another byte one by one.
bool LNIsPlainText(const char* text, std::size_t length) {
    std::size_t i = 0;
    for (uint64_t word; i + 8 <= length; i += 8) {
        std::memcpy(&word, text + i, sizeof word);
        if (!AllPrintable(word) && !AllPlain(text + i, 8))
            return false;
    }
    return AllPlain(text + i, length - i);
}

std::string LNToLmbcs(const char* text, std::size_t length) {
    if (!text)
        return std::string();
    if (LNIsPlainText(text, length) || !LNStoredApi().OSTranslate)
        return std::string(text, length);
    return ByLines(text, length, ToLmbcsLine);
}

std::string LNFromLmbcs(const char* lmbcs, std::size_t length, std::size_t* replaced) {
    if (!lmbcs)
        return std::string();
    if (LNIsPlainText(lmbcs, length) || !LNStoredApi().OSTranslate)
        return std::string(lmbcs, length);
    return ByLines(lmbcs, length, [replaced](const char* line, std::size_t n) {
        const std::u16string wide = FromLmbcsLine(line, n);
        const std::string text = platform::WideToCp1252(wide);
        // Every character gives one byte; a '?' that was none is a loss.
        if (replaced) {
            std::size_t before = 0, after = 0;
            for (char16_t c : wide)
                before += c == u'?';
            for (char c : text)
                after += c == '?';
            *replaced += after - before;
        }
        return text;
    });
}

std::string LNLmbcsToUtf8(const std::string& lmbcs) {
    if (LNIsPlainText(lmbcs.data(), lmbcs.size()) || !LNStoredApi().OSTranslate)
        return lmbcs;
    return ByLines(lmbcs.data(), lmbcs.size(), [](const char* line, std::size_t n) {
        return InParts(OS_TRANSLATE_LMBCS_TO_UTF8, line, n, LmbcsPart, 3);
    });
}

std::string LNUtf8ToLmbcs(const std::string& utf8) {
    if (LNIsPlainText(utf8.data(), utf8.size()) || !LNStoredApi().OSTranslate)
        return utf8;
    return ByLines(utf8.data(), utf8.size(), [](const char* line, std::size_t n) {
        return InParts(OS_TRANSLATE_UTF8_TO_LMBCS, line, n, Utf8Part, 3);
    });
}

std::size_t LNLmbcsCut(const char* lmbcs, std::size_t size, std::size_t limit) {
    std::size_t at = 0;
    while (at < size) {
        const std::size_t next = at + CharacterLength(static_cast<unsigned char>(lmbcs[at]));
        if (next > limit || next > size)
            break;
        at = next;
    }
    return at;
}
