#pragma once
#include <condition_variable>
#include <mutex>

namespace platform {

// An event that releases one waiter and resets itself.
class CxAutoResetEvent {
public:
    void Set();
    // True when signalled within `timeoutMs` (negative waits for ever).
    bool Wait(long timeoutMs);

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    bool m_bSignalled = false;
};

} // namespace platform
