#include "Environment.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace {

std::string CurrentFolder() {
    char cwd[PATH_MAX];
    return getcwd(cwd, sizeof cwd) ? cwd : "";
}

// Taken before main: the helper runs change the current directory later.
const std::string g_startFolder = CurrentFolder();

const char* const kFolderVariables[] = {"ZEMBRIK_APPDATA", "ZEMBRIK_LOCAL_APPDATA",
                                        "ZEMBRIK_REGISTRY", "XDG_DATA_HOME", "XDG_CONFIG_HOME"};

} // namespace

const std::string& StartFolder() {
    return g_startFolder;
}

std::string FromStartFolder(const std::string& path) {
    if (path.empty() || path[0] == '/' || g_startFolder.empty())
        return path;
    return g_startFolder + (g_startFolder.back() == '/' ? "" : "/") + path;
}

void MakeFolderVariablesAbsolute() {
    for (const char* name : kFolderVariables) {
        const std::string value = EnvironmentValue(name);
        if (!value.empty() && value[0] != '/')
            setenv(name, FromStartFolder(value).c_str(), 1);
    }
}

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
