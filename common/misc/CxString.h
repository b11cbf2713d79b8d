// Bounded copies into the system's fixed, zero-terminated text buffers.
#pragma once
#include <cstddef>
#include <cstdarg>

// Copies at most size-1 characters of `src` (null as empty) and terminates.
// Does nothing when `dst` is null or `size` is 0. Returns `dst`.
char* CxStrCopy(char* dst, std::size_t size, const char* src);

// As CxStrCopy, copying at most `maxChars` characters.
char* CxStrCopyN(char* dst, std::size_t size, const char* src, std::size_t maxChars);

// snprintf that always terminates and never writes past `size`.
int CxStrFormat(char* dst, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The leading decimal number of `text`, optionally signed, cut
// to the int range; 0 when there is none (or `text` is null).
int CxStrToInt(const char* text);

// Fixed-size array form: the capacity comes from the array itself.
template <std::size_t N> inline char* CxStrCopy(char (&dst)[N], const char* src) {
    return CxStrCopy(dst, N, src);
}
