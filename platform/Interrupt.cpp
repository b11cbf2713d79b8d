#include "Interrupt.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace platform {

namespace {

volatile std::sig_atomic_t g_requested = 0;
pid_t g_parent = 0; // watched when not 0

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
    return g_requested != 0 || ParentEnded();
}

void StopWhenParentEnds() {
    g_parent = getppid();
    prctl(PR_SET_PDEATHSIG, SIGTERM);
}

bool ParentEnded() {
    return g_parent != 0 && getppid() != g_parent;
}

void SetInterruptRequested(bool requested) {
    g_requested = requested ? 1 : 0;
}

} // namespace platform
