#include "ThreadId.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

unsigned long CurrentThreadId() {
    return static_cast<unsigned long>(syscall(SYS_gettid));
}

} // namespace platform
