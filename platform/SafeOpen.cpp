#include "SafeOpen.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

namespace platform {

namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

} // namespace

int OpenNoFollow(const char* path, int flags) {
    return OpenNoFollowAt(AT_FDCWD, path, flags);
}

int OpenNoFollowAt(int folder, const char* name, int flags) {
    if (!name || !*name) {
        errno = ENOENT;
        return -1;
    }
    int fd;
    do {
        fd = openat(folder, name, flags | O_NOFOLLOW | O_CLOEXEC, kOwnerOnly);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int OpenFolderNoFollow(const char* path) {
    // A trailing '/' would make the kernel follow a final link after all.
    std::string name = path ? path : "";
    while (name.size() > 1 && name.back() == '/')
        name.pop_back();
    return OpenNoFollow(name.c_str(), O_RDONLY | O_DIRECTORY);
}

} // namespace platform
