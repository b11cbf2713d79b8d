#include "ModulePath.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

namespace platform {

namespace {

bool CopyName(const char* name, char* buffer, std::size_t size) {
    std::size_t length = std::strlen(name);
    if (length == 0 || length >= size)
        return false;
    std::memcpy(buffer, name, length + 1);
    return true;
}

} // namespace

bool GetProgramFileName(char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return false;
    char name[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", name, sizeof name - 1);
    if (length <= 0)
        return false;
    name[length] = '\0';
    return CopyName(name, buffer, size);
}

bool GetModuleFileName(const void* address, char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return false;
    Dl_info info;
    link_map* map = nullptr;
    if (!dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) || !map)
        return false;
    // The program itself has an empty name in the link map.
    if (!map->l_name || !*map->l_name)
        return GetProgramFileName(buffer, size);
    char full[PATH_MAX];
    if (!realpath(map->l_name, full))
        return false;
    return CopyName(full, buffer, size);
}

} // namespace platform
