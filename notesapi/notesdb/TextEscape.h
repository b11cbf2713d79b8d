// Escapes that keep any byte string on one line of the dump: \\ \0 \r \n \t,
// \xHH for other control bytes, and a backslash before each character of
// `special`. Bytes from 0x80 up stay as they are (UTF-8 text).
#pragma once
#include <string>

std::string EscapeText(const std::string& bytes, const char* special);

// Reads an escaped text from `text` at `*pos` up to the first unescaped
// character of `stops` (or the end); `*pos` ends on that character. False on
// a broken escape.
bool UnescapeText(const std::string& text, std::size_t* pos, const char* stops, std::string* bytes);
