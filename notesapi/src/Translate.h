// Text from one character set to another, a character at a time: LMBCS,
// UTF-8, UTF-16 in the machine's byte order, and 7-bit ASCII out. Nothing is
// read past the input or written past the output; a character that does not
// fit whole ends the output.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace zns {

enum class TextForm { Lmbcs, Utf8, Utf16, Ascii };

struct Translation {
    std::size_t read = 0;     // input bytes used
    std::size_t written = 0;  // output bytes
    std::size_t replaced = 0; // sequences cut short or unknown, characters without a form
};

// Bad input becomes U+FFFD in UTF-8 and UTF-16 and '?' in LMBCS and ASCII.
Translation TranslateText(TextForm from, TextForm to, const uint8_t* in, std::size_t inLength,
                          uint8_t* out, std::size_t outLength);

// The whole text; `replaced` (may be null) adds the count.
std::string TranslateText(TextForm from, TextForm to, const std::string& in,
                          std::size_t* replaced = nullptr);

// Whether `text` is well-formed UTF-8 throughout.
bool IsUtf8(const std::string& text);

} // namespace zns
