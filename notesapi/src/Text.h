// Small text and byte helpers shared by the stand-in's sources.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zns {

// The letters A to Z lowered; every other byte as it is.
char LowerAscii(char c);

// ASCII comparison without case, as SQLite's NOCASE collation does, so the
// store and the in-memory notes agree on item and user names.
bool EqualNoCase(const std::string& a, const std::string& b);
bool EqualNoCase(const char* a, std::size_t aLength, const char* b, std::size_t bLength);
std::string Trim(const std::string& text);

// A name passed with a length: the characters up to the length or the
// first zero byte; MAXWORD (or 0 with a terminated text) means terminated.
std::string NameArgument(const char* name, std::size_t length);

// Copies at most size-1 bytes of LMBCS into `dst`, never part of a
// character, and terminates; nothing when `dst` is null or `size` 0.
// Returns the bytes copied.
std::size_t CopyText(char* dst, std::size_t size, const std::string& src);

// Stores `value` where `out` points, unless it is null.
template <class T> void PutIf(T* out, T value) {
    if (out)
        *out = value;
}

void PutWord(std::vector<uint8_t>& out, uint16_t value);
void PutDword(std::vector<uint8_t>& out, uint32_t value);
uint16_t GetWord(const uint8_t* bytes);
uint32_t GetDword(const uint8_t* bytes);

} // namespace zns
