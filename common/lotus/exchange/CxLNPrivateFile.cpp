#include "CxLNPrivateFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DurableWrite.h"
#include "platform/SafeOpen.h"

int LNOpenPrivateFile(const char* path) {
    if (!path || !*path)
        return -1;
    // A new inode: descriptors opened on an older, readable file see nothing of ours.
    if (unlink(path) != 0 && errno != ENOENT)
        return -1;
    const int fd = platform::OpenNoFollow(path, O_WRONLY | O_CREAT | O_EXCL);
    if (fd < 0)
        return -1;
    // The umask may only narrow the mode; make it exact all the same.
    if (fchmod(fd, S_IRUSR | S_IWUSR) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool LNCreatePrivateFile(const char* path) {
    const int fd = LNOpenPrivateFile(path);
    return fd >= 0 && close(fd) == 0;
}

bool LNReplacePrivateFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".new";
    const int fd = LNOpenPrivateFile(temporary.c_str());
    if (fd < 0)
        return false;
    bool written = platform::WriteAll(fd, text);
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
