// The message of a log line: the caller's format expanded as printf does,
// with every text and character argument escaped. A name read from outside
// (a folder, a file, a record) can then neither forge a line nor send
// control sequences to whoever reads the log in a terminal, while the
// format's own text stays as it is.
#pragma once
#include <cstdarg>
#include <cstddef>
#include <string>

// Backslash, double quote and control characters (below 0x20, and 0x7f)
// become C escapes: \\ \" \r \n \t and \xHH for the others.
std::string CxLogEscape(const char* text, std::size_t length);

// The expansion, cut to `limit` bytes.
std::string CxLogFormat(std::size_t limit, const char* format, va_list args);
