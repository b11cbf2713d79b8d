#include "CxAutoResetEvent.h"

#include <chrono>

namespace platform {

void CxAutoResetEvent::Set() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bSignalled = true;
    }
    m_cond.notify_one();
}

bool CxAutoResetEvent::Wait(long timeoutMs) {
    std::unique_lock<std::mutex> lock(m_mutex);
    auto signalled = [this] { return m_bSignalled; };
    if (timeoutMs < 0)
        m_cond.wait(lock, signalled);
    else if (!m_cond.wait_for(lock, std::chrono::milliseconds(timeoutMs), signalled))
        return false;
    m_bSignalled = false;
    return true;
}

} // namespace platform
