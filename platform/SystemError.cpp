#include "SystemError.h"

#include <cstdio>
#include <cstring>

namespace platform {

namespace {

// strerror_r comes in two flavours; each overload picks the text from its own.
[[maybe_unused]] const char* ErrorText(int result, const char* buffer) {
    return result == 0 ? buffer : nullptr;
}
[[maybe_unused]] const char* ErrorText(const char* result, const char*) {
    return result;
}

} // namespace

std::string SystemErrorText(int error) {
    char buffer[256] = {};
    const char* text = ErrorText(strerror_r(error, buffer, sizeof buffer), buffer);
    if (text && *text)
        return text;
    std::snprintf(buffer, sizeof buffer, "Unknown error %d", error);
    return buffer;
}

} // namespace platform
