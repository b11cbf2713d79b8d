#include "CommMatch.h"

#include <cctype>
#include <cstring>

namespace {

bool Skipped(char c, unsigned options) {
    return (options & COMM_TEXT_SKIP_CRLF) && (c == '\r' || c == '\n');
}

// Next character to compare at or after `i`, or 0 at the end of the text.
char NextChar(const char* text, std::size_t limit, std::size_t* i, unsigned options) {
    while (*i < limit && text[*i] != '\0' && Skipped(text[*i], options))
        ++*i;
    return *i < limit ? text[*i] : '\0';
}

char Folded(char c, unsigned options) {
    if (options & COMM_TEXT_CASE)
        return c;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

bool CommTextEqual(const char* a, const char* b, std::size_t size, std::size_t maxChars,
                   unsigned options) {
    const std::size_t limit = maxChars < size ? maxChars : size;
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        const char ca = NextChar(a, limit, &i, options);
        const char cb = NextChar(b, limit, &j, options);
        if (Folded(ca, options) != Folded(cb, options))
            return false;
        if (ca == '\0')
            return true;
        ++i;
        ++j;
    }
}

bool CompareDate(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

bool CompareDateTime(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return CompareDate(a, b) && a.wHour == b.wHour && a.wMinute == b.wMinute &&
           a.wSecond == b.wSecond && a.wMilliseconds == b.wMilliseconds;
}

void CommTakeText(char* stored, const char* given, std::size_t size, bool copyEmpty) {
    if (size == 0)
        return;
    if (copyEmpty || given[0] != '\0')
        std::memmove(stored, given, size); // the two may be one record
    stored[size - 1] = '\0';
}
