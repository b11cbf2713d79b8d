#include "SpecialFolders.h"

#include <cerrno>
#include <sys/stat.h>

#include "platform/Environment.h"

namespace platform {

namespace {

std::string WithoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// The override, else $XDG_DATA_HOME, else ~/.local/share.
std::string DataFolder(const char* overrideName) {
    std::string folder = EnvironmentValue(overrideName);
    if (folder.empty())
        folder = EnvironmentValue("XDG_DATA_HOME");
    if (folder.empty()) {
        std::string home = HomeFolder();
        if (home.empty())
            return "";
        folder = home + "/.local/share";
    }
    return WithoutTrailingSlash(FromStartFolder(folder));
}

// mkdir -p; private to the user since the folder may hold a password.
bool MakeFolders(const std::string& folder) {
    struct stat st;
    if (stat(folder.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    std::size_t slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(folder.substr(0, slash)))
        return false;
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

} // namespace

bool GetCommonAppDataFolder(std::string* folder) {
    if (!folder)
        return false;
    std::string found = DataFolder("ZEMBRIK_APPDATA");
    if (found.empty() || !MakeFolders(found))
        return false;
    *folder = found;
    return true;
}

bool GetLocalAppDataFolder(std::string* folder) {
    if (!folder)
        return false;
    std::string found = DataFolder("ZEMBRIK_LOCAL_APPDATA");
    if (found.empty())
        return false;
    *folder = found;
    return true;
}

} // namespace platform
