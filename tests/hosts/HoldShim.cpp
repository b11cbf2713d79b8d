// Preloaded into a program that writes a stand-in database: at its first
// write to a database's write-ahead log, while it holds the database's write
// lock, it writes "held" into $ZEMBRIK_HOLD_READY and waits until
// $ZEMBRIK_HOLD_RELEASE exists. Meanwhile every other writer of that database finds it busy.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/types.h>
#include <thread>
#include <unistd.h>

#include "ShimFile.h"

namespace {

bool IsLog(int fd) {
    return ShimEndsWith(ShimFilePath(fd), ".nsf-wal");
}

void HoldOnce(int fd) {
    static bool held = false;
    const char* ready = std::getenv("ZEMBRIK_HOLD_READY");
    const char* release = std::getenv("ZEMBRIK_HOLD_RELEASE");
    if (held || !ready || !release || !IsLog(fd))
        return;
    held = true;
    if (std::FILE* file = std::fopen(ready, "w")) {
        std::fputs("held", file);
        std::fclose(file);
    }
    while (access(release, F_OK) != 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

} // namespace

extern "C" ssize_t pwrite64(int fd, const void* buffer, size_t size, off_t offset) {
    using Write = ssize_t (*)(int, const void*, size_t, off_t);
    static const Write real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "pwrite64"));
    HoldOnce(fd);
    return real(fd, buffer, size, offset);
}

extern "C" ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset) {
    return pwrite64(fd, buffer, size, offset);
}
