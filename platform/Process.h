// A child process started without a window, with a current directory of its
// own (changed in the child only), awaited with a time-out or a stop event.
#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform {

class AutoResetEvent;

// Splits a command line as Windows does: blanks separate arguments, double
// quotes group them, backslashes escape a quote only in front of one.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

class ChildProcess {
public:
    enum class WaitResult { Exited, Stopped, TimedOut, Failed };

    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // `commandLine` is split as Windows splits one: blanks separate arguments,
    // double quotes group them. The program is resolved against the caller's
    // current directory (then PATH) before the child changes to `directory`
    // (empty: stays). On failure `error` holds the errno value.
    bool Start(const std::string& commandLine, const std::string& directory, int* error);

    // Waits for the end of the child, a signal of `stop` (may be null), or the
    // time-out. After Stopped or TimedOut the child keeps running.
    WaitResult Wait(long timeoutMs, AutoResetEvent* stop);

    // Forgets the child; a child that has not ended is left running and reaped
    // in the background.
    void Close();

    bool IsStarted() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }
    // The exit code after Exited; 128 + the signal for a child killed by one.
    int ExitCode() const { return m_nExitCode; }

private:
    bool Reap(bool block);

    pid_t m_pid = -1;
    bool m_bReaped = false;
    int m_nExitCode = -1;
};

} // namespace platform
