#pragma once

namespace platform {

// Kernel thread identifier of the calling thread (gettid).
unsigned long CurrentThreadId();

} // namespace platform
