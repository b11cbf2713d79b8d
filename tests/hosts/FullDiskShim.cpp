// Preloaded into a front end or a helper host: a full disk for one file.
// $ZEMBRIK_FULL_DISK is "PROGRAM:FILE:N": in the program named PROGRAM, the
// Nth write to the file named FILE (or to a temporary file of it, FILE.tmp.*
// and FILE.new) and every write after it fail with ENOSPC, as on a file
// system that has just filled up.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

#include "ShimFile.h"

namespace {

struct tagTarget {
    std::string sFile;
    int nAt = 0;
};

const tagTarget* Target() {
    static tagTarget target;
    static bool read = false;
    if (!read) {
        read = true;
        const char* asked = std::getenv("ZEMBRIK_FULL_DISK");
        const std::string text = asked ? asked : "";
        const std::size_t first = text.find(':'), last = text.rfind(':');
        if (first != std::string::npos && last > first &&
            text.compare(0, first, program_invocation_short_name) == 0) {
            target.sFile = text.substr(first + 1, last - first - 1);
            target.nAt = std::atoi(text.c_str() + last + 1);
        }
    }
    return target.nAt > 0 ? &target : nullptr;
}

bool IsTarget(int fd, const tagTarget& target) {
    const std::string path = ShimFilePath(fd);
    const std::string name = path.substr(path.rfind('/') + 1);
    const std::string& file = target.sFile;
    return name == file || name == file + ".new" || name.compare(0, file.size() + 5, file + ".tmp.") == 0;
}

// True when this write must fail.
bool Full(int fd) {
    static int writes = 0;
    const tagTarget* target = Target();
    return target && IsTarget(fd, *target) && ++writes >= target->nAt;
}

} // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t size) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const Write real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    if (size > 0 && Full(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, buffer, size);
}

extern "C" size_t fwrite(const void* buffer, size_t size, size_t count, FILE* stream) {
    using Fwrite = size_t (*)(const void*, size_t, size_t, FILE*);
    static const Fwrite real = reinterpret_cast<Fwrite>(dlsym(RTLD_NEXT, "fwrite"));
    if (size > 0 && count > 0 && Full(fileno(stream))) {
        errno = ENOSPC;
        return 0;
    }
    return real(buffer, size, count, stream);
}
