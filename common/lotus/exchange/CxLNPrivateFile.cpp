#include "CxLNPrivateFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/SafeOpen.h"

bool LNCreatePrivateFile(const char* path) {
    if (!path || !*path)
        return false;
    // A new inode: descriptors opened on an older, readable file see nothing of ours.
    if (unlink(path) != 0 && errno != ENOENT)
        return false;
    int fd = platform::OpenNoFollow(path, O_WRONLY | O_CREAT | O_EXCL);
    if (fd < 0)
        return false;
    // The umask may only narrow the mode; make it exact all the same.
    bool ok = fchmod(fd, S_IRUSR | S_IWUSR) == 0;
    return close(fd) == 0 && ok;
}
