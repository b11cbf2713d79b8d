#include "Environment.h"

#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace platform {

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string HomeFolder() {
    std::string home = EnvironmentValue("HOME");
    if (home.empty()) {
        if (const passwd* pw = getpwuid(getuid()))
            home = pw->pw_dir ? pw->pw_dir : "";
    }
    return home;
}

std::size_t CopyToBuffer(const std::string& text, char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return 0;
    std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

} // namespace platform
