#include "CxLNText.h"

#include "common/misc/CxString.h"

void LNCopyText(char* dst, std::size_t dstSize, const char* src, std::size_t srcSize,
                std::size_t maxChars) {
    CxStrCopyN(dst, dstSize, src, maxChars < srcSize ? maxChars : srcSize);
}

int LNTextToInt(const char* field, std::size_t size) {
    char text[64];
    CxStrCopyN(text, sizeof text, field, size);
    return CxStrToInt(text);
}
