#include "CxLNStatusFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "platform/SafeOpen.h"

bool LNReadStatusLine(const char* path, char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return false;
    buffer[0] = '\0';
    const int fd = path && *path ? platform::OpenNoFollow(path, O_RDONLY) : -1;
    if (fd < 0)
        return false;
    std::size_t length = 0;
    while (length + 1 < size) {
        const ssize_t n = read(fd, buffer + length, size - 1 - length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        length += static_cast<std::size_t>(n);
        if (std::memchr(buffer, '\n', length))
            break;
    }
    close(fd);
    buffer[length] = '\0';
    buffer[std::strcspn(buffer, "\r\n")] = '\0';
    return true;
}
