// Preloaded into a front end or a helper host: a full disk for one file.
// $ZEMBRIK_FULL_DISK is "PROGRAM:FILE:N": in the program named PROGRAM, the
// Nth write to the file named FILE (or to a temporary file of it, FILE.tmp.*
// and FILE.new) and every write after it fail with ENOSPC, as on a file
// system that has just filled up. "PROGRAM#K:FILE:N" picks the Kth run of
// PROGRAM, counted in the file $ZEMBRIK_FULL_DISK_RUNS. FILE "(unnamed)"
// stands for a file made without a name (O_TMPFILE), named once written.
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

// This process is the how-manieth run of its program: counted in `counter`.
int ThisRun(const char* counter) {
    int runs = 0;
    if (std::FILE* in = counter ? std::fopen(counter, "r") : nullptr) {
        if (std::fscanf(in, "%d", &runs) != 1)
            runs = 0;
        std::fclose(in);
    }
    if (std::FILE* out = counter ? std::fopen(counter, "w") : nullptr) {
        std::fprintf(out, "%d\n", runs + 1);
        std::fclose(out);
    }
    return runs + 1;
}

const tagTarget* Target() {
    static tagTarget target;
    static bool read = false;
    if (!read) {
        read = true;
        const char* asked = std::getenv("ZEMBRIK_FULL_DISK");
        const std::string text = asked ? asked : "";
        const std::size_t first = text.find(':'), last = text.rfind(':');
        const std::string program = text.substr(0, first);
        const std::size_t hash = program.find('#');
        if (first != std::string::npos && last > first &&
            program.substr(0, hash) == program_invocation_short_name &&
            (hash == std::string::npos ||
             ThisRun(std::getenv("ZEMBRIK_FULL_DISK_RUNS")) == std::atoi(program.c_str() + hash + 1))) {
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
    if (file == "(unnamed)")
        return !name.empty() && name[0] == '#' && ShimEndsWith(name, " (deleted)");
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
