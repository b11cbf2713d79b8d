#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "common/misc/CxDebugUtil.h"

namespace fuzz {

const std::string& InputFolder() {
    static const std::string folder = [] {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/zembrik-fuzz-XXXXXX";
        if (!mkdtemp(&pattern[0]))
            std::abort();
        return pattern + "/";
    }();
    return folder;
}

std::string WriteInput(const uint8_t* data, std::size_t size, const char* name) {
    const std::string path = InputFolder() + name;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        std::abort();
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n <= 0)
            std::abort();
        done += static_cast<std::size_t>(n);
    }
    close(fd);
    return path;
}

void QuietLog() {
    GetDebugUtil()->SetPath("");
    GetDebugUtil()->SetFileName("");
}

} // namespace fuzz
