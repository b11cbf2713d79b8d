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

    // Starts `program`, given by its absolute path: nothing is looked for in
    // a folder or on PATH. `args` (its name first) reach the child byte for
    // byte: nothing is joined or split again. The child changes to
    // `directory` (empty: stays). On failure `error` holds the errno value:
    // EINVAL for a program that is no absolute path, ENOENT for a missing
    // one, EACCES for one that is no executable file.
    bool Start(const std::string& program, const std::vector<std::string>& args,
               const std::string& directory, int* error);
    // The same with args[0] as the program.
    bool Start(const std::vector<std::string>& args, const std::string& directory, int* error);
    // The children started from now on keep `fd` open (-1: none), so that
    // what it holds, a lock, lasts until they have ended too.
    void ShareWithChildren(int fd) { m_nShared = fd; }

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
    int m_nShared = -1;
    bool m_bReaped = false;
    int m_nExitCode = -1;
    int m_nSignal = 0;
};

} // namespace platform
