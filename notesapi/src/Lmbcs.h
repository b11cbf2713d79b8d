// LMBCS, the character set of every text the API takes, gives and stores:
// one character a time. Bytes 0x20 to 0x7F and NUL, tab, line feed,
// carriage return and 0x19 stand for themselves, bytes from 0x80 are
// characters of code page 850 (group 1, the optimisation group of Notes);
// any other byte below 0x20 is a group byte with one or two data bytes after
// it: a single-byte character set's character, a control (0x0F), or a
// UTF-16 unit high byte first (0x14).
#pragma once
#include <cstddef>
#include <cstdint>

namespace zns {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kLmbcsMaxLength = 3;

// One character read from a text in any form.
struct DecodedChar {
    char32_t code = 0;
    std::size_t length = 0; // bytes taken, at least 1 unless nothing was left
    bool bad = false;       // cut short or unknown: `code` is kReplacement

    static DecodedChar Good(char32_t code, std::size_t length);
    static DecodedChar Bad(std::size_t length);
};

// The character at `text`, never reading past `left` bytes. A sequence cut
// short takes what is left; an unknown group byte takes itself alone; a
// group or sequence the stand-in cannot read takes its whole length.
DecodedChar DecodeLmbcs(const uint8_t* text, std::size_t left);

// Writes the LMBCS form of `code` (1 to 3 bytes) and returns its length.
// Characters of code page 850 take one byte; others the first single-byte
// group that has them (groups 3, 4, 5, 6, 8, 11 in that order, as Notes
// tries them), then the Unicode group. A code point with no form (beyond
// the BMP, a surrogate, U+F601 to U+F6FF) writes '?' and sets `bad`.
std::size_t EncodeLmbcs(char32_t code, uint8_t* out, bool& bad);

// The length of the longest start of `text` that ends on a character and
// takes at most `limit` bytes.
std::size_t LmbcsCut(const uint8_t* text, std::size_t size, std::size_t limit);

// The characters of a single-byte group's bytes 0x80 to 0xFF; null for a
// group the stand-in does not know.
const char16_t* LmbcsGroupTable(uint8_t group);

} // namespace zns
