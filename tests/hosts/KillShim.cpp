// Preloaded into a helper host: ends the process with SIGKILL at the Nth
// write to a run journal ($ZEMBRIK_KILL_AT_JOURNAL_WRITE), before that write,
// to stop a write-back at a chosen moment.
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <signal.h>
#include <string>
#include <unistd.h>

#include "ShimFile.h"

namespace {

bool IsJournal(int fd) {
    const std::string name = ShimFilePath(fd);
    return name.find("/journal/") != std::string::npos && ShimEndsWith(name, ".jsonl");
}

} // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t size) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const Write real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    static int count = 0;
    const char* at = std::getenv("ZEMBRIK_KILL_AT_JOURNAL_WRITE");
    if (at && IsJournal(fd) && ++count == std::atoi(at))
        raise(SIGKILL);
    return real(fd, buffer, size);
}
