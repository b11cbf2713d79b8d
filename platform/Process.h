// A child process started without a window, with a current directory of its
// own (changed in the child only), awaited with a time-out or a stop event.
#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform {

class CxAutoResetEvent;

class CxChildProcess {
public:
    enum class WaitResult { Exited, Stopped, TimedOut, Failed };

    CxChildProcess() = default;
    ~CxChildProcess();
    CxChildProcess(const CxChildProcess&) = delete;
    CxChildProcess& operator=(const CxChildProcess&) = delete;

    // `args` (the program first) reach the child byte for byte: nothing is
    // joined or split again. The program is resolved against the caller's
    // current directory (then PATH) before the child changes to `directory`
    // (empty: stays). On failure `error` holds the errno value.
    bool Start(const std::vector<std::string>& args, const std::string& directory, int* error);

    // Waits for the end of the child, a signal of `stop` (may be null), an
    // interrupt request of this process, or the time-out. After Stopped or
    // TimedOut the child keeps running.
    WaitResult Wait(long timeoutMs, CxAutoResetEvent* stop);

    // Ends a child that still runs: SIGTERM, then SIGKILL after `graceMs`;
    // returns once it has ended (ExitCode and TermSignal tell how).
    void Terminate(long graceMs);

    // Forgets the child; a child that has not ended is left running and reaped
    // in the background.
    void Close();

    bool IsStarted() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }
    // The exit code after Exited; 128 + the signal for a child killed by one.
    int ExitCode() const { return m_nExitCode; }
    // The signal that ended the child, 0 after a normal exit.
    int TermSignal() const { return m_nSignal; }

private:
    bool Reap(bool block);

    pid_t m_pid = -1;
    bool m_bReaped = false;
    int m_nExitCode = -1;
    int m_nSignal = 0;
};

} // namespace platform
