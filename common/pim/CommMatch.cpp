// Record matching of the managers (library build).
#include "CommMatch.h"

#include <cctype>
#include <cstring>

#include "common/misc/CxDateTime.h"

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

// Every part but the weekday, which follows from the date.
bool SameMoment(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return CompareDate(&a, &b) == 0 && a.wHour == b.wHour && a.wMinute == b.wMinute &&
           a.wSecond == b.wSecond && a.wMilliseconds == b.wMilliseconds;
}

template <class T> T ValueAt(const char* record, std::size_t offset) {
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
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

void CommTakeText(char* stored, const char* given, std::size_t size, bool copyEmpty) {
    if (size == 0)
        return;
    if (copyEmpty || given[0] != '\0')
        std::memmove(stored, given, size); // the two may be one record
    stored[size - 1] = '\0';
}

bool CommFieldEqual(const tagCommFieldTable& table, int key, const void* a, const void* b,
                    unsigned textOptions) {
    const tagCommFieldRow* field = CommFindFieldRow(table, key);
    if (!field)
        return true;
    const char* inA = static_cast<const char*>(a);
    const char* inB = static_cast<const char*>(b);
    const std::size_t offset = field->nOffset;
    const std::size_t size = field->nSize;
    switch (field->nSame) {
    case COMM_SAME_TEXT:
    case COMM_SAME_TEXT_LINE: {
        const unsigned skip = field->nSame == COMM_SAME_TEXT_LINE ? COMM_TEXT_SKIP_CRLF : 0u;
        return CommTextEqual(inA + offset, inB + offset, size, size - 1, skip | textOptions);
    }
    case COMM_SAME_NUMBER:
        return ValueAt<double>(inA, offset) == ValueAt<double>(inB, offset);
    case COMM_SAME_DAY: {
        const SYSTEMTIME dayA = ValueAt<SYSTEMTIME>(inA, offset);
        const SYSTEMTIME dayB = ValueAt<SYSTEMTIME>(inB, offset);
        return CompareDate(&dayA, &dayB) == 0;
    }
    case COMM_SAME_MOMENT:
        return SameMoment(ValueAt<SYSTEMTIME>(inA, offset), ValueAt<SYSTEMTIME>(inB, offset));
    case COMM_SAME_VALUE:
        return std::memcmp(inA + offset, inB + offset, size) == 0;
    default:
        return true; // COMM_SAME_OWN: the manager's own
    }
}
