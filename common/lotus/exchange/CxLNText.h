// Copies between the fixed text fields of Notes and common records, which
// need not be terminated when they arrive.
#pragma once
#include <cstddef>

// At most `maxChars` characters, never reading past `srcSize` bytes of `src`
// nor writing past `dstSize`; the target is always terminated.
void LNCopyText(char* dst, std::size_t dstSize, const char* src, std::size_t srcSize,
                std::size_t maxChars);

template <std::size_t D, std::size_t S>
void LNCopyText(char (&dst)[D], const char (&src)[S], std::size_t maxChars) {
    LNCopyText(dst, D, src, S, maxChars);
}

// A text field read as a decimal number by the C library (0 for no number).
int LNTextToInt(const char* field, std::size_t size);

template <std::size_t S> int LNTextToInt(const char (&field)[S]) {
    return LNTextToInt(field, S);
}
