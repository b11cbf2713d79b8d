#include "Interrupt.h"

#include <csignal>

namespace platform {

namespace {

volatile std::sig_atomic_t g_requested = 0;

void OnSignal(int) {
    g_requested = 1;
}

} // namespace

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: a password prompt must give up its read
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool InterruptRequested() {
    return g_requested != 0;
}

void SetInterruptRequested(bool requested) {
    g_requested = requested ? 1 : 0;
}

} // namespace platform
