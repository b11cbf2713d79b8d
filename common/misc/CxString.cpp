#include "CxString.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

char* CxStrCopyN(char* dst, std::size_t size, const char* src, std::size_t maxChars) {
    if (!dst || size == 0)
        return dst;
    std::size_t n = 0;
    if (src) {
        std::size_t limit = size - 1 < maxChars ? size - 1 : maxChars;
        while (n < limit && src[n])
            ++n;
        std::memcpy(dst, src, n);
    }
    dst[n] = '\0';
    return dst;
}

char* CxStrCopy(char* dst, std::size_t size, const char* src) {
    return CxStrCopyN(dst, size, src, size);
}

int CxStrFormat(char* dst, std::size_t size, const char* format, ...) {
    if (!dst || size == 0)
        return 0;
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(dst, size, format, args);
    va_end(args);
    if (n < 0)
        dst[0] = '\0';
    return n;
}

int CxStrToInt(const char* text) {
    if (!text)
        return 0;
    const char* p = text;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    long long value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        value = value * 10 + (*p - '0');
        if (value > limit)
            value = limit; // saturate rather than overflow
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}
