#include "Process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/CxAutoResetEvent.h"
#include "platform/Interrupt.h"

extern char** environ;

namespace platform {

namespace {

constexpr long kPollMs = 10;

// Only a program given by its absolute path is started: a name looked for in
// the current folder or on PATH could be anyone's program.
bool CheckProgram(const std::string& program, int* error) {
    struct stat st;
    if (program.empty() || program[0] != '/')
        *error = EINVAL;
    else if (stat(program.c_str(), &st) != 0)
        *error = errno;
    else if (!S_ISREG(st.st_mode) || access(program.c_str(), X_OK) != 0)
        *error = EACCES;
    else
        return true;
    return false;
}

// Sleeps one polling step, on the stop event when there is one.
bool StopSignalled(CxAutoResetEvent* stop) {
    if (stop)
        return stop->Wait(kPollMs);
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    return false;
}

} // namespace

CxChildProcess::~CxChildProcess() {
    Close();
}

bool CxChildProcess::Start(const std::vector<std::string>& args, const std::string& directory,
                           int* error) {
    return Start(args.empty() ? std::string() : args[0], args, directory, error);
}

bool CxChildProcess::Start(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& directory, int* error) {
    int ignored = 0;
    if (!error)
        error = &ignored;
    *error = 0;
    Close();
    std::vector<std::string> args = arguments;
    if (args.empty() || args[0].empty()) {
        *error = ENOENT;
        return false;
    }
    if (!CheckProgram(program, error))
        return false;
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // A dup2 onto itself clears the descriptor's close-on-exec in the child alone.
    if (m_nShared >= 0)
        posix_spawn_file_actions_adddup2(&actions, m_nShared, m_nShared);
    if (!directory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    pid_t pid = -1;
    int result = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        *error = result;
        return false;
    }
    m_pid = pid;
    m_bReaped = false;
    m_nExitCode = -1;
    m_nSignal = 0;
    return true;
}

bool CxChildProcess::Reap(bool block) {
    if (m_bReaped)
        return true;
    int status = 0;
    pid_t result;
    do {
        result = waitpid(m_pid, &status, block ? 0 : WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result != m_pid)
        return false;
    m_bReaped = true;
    m_nSignal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    m_nExitCode = m_nSignal ? 128 + m_nSignal : WEXITSTATUS(status);
    return true;
}

CxChildProcess::WaitResult CxChildProcess::Wait(long timeoutMs, CxAutoResetEvent* stop) {
    if (m_pid <= 0)
        return WaitResult::Failed;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (Reap(false))
            return WaitResult::Exited;
        if (StopSignalled(stop) || InterruptRequested())
            return WaitResult::Stopped;
        if (timeoutMs >= 0 && std::chrono::steady_clock::now() >= deadline)
            return Reap(false) ? WaitResult::Exited : WaitResult::TimedOut;
    }
}

void CxChildProcess::Terminate(long graceMs) {
    if (m_pid <= 0 || Reap(false))
        return;
    kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMs);
    while (!Reap(false)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(m_pid, SIGKILL);
            Reap(true);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
}

void CxChildProcess::Close() {
    if (m_pid > 0 && !Reap(false)) {
        pid_t pid = m_pid;
        std::thread([pid] {
            while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    }
    m_pid = -1;
    m_bReaped = false;
}

} // namespace platform
