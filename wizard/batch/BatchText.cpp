#include "BatchText.h"

#include <cstring>

#include "platform/Cp1252.h"
#include "wizard/update/VxKeyText.h"

bool BatchSameText(const std::string& a, const std::string& b) {
    return FUSameText(a, b);
}

std::string BatchTrim(const std::string& text) {
    return FUTrimText(text);
}

std::string BatchFieldText(const char* field, std::size_t max) {
    if (!field)
        return "";
    return platform::Cp1252ToUtf8(std::string(field, strnlen(field, max)));
}
