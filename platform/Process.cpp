#include "Process.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/CxAutoResetEvent.h"
#include "platform/Environment.h"
#include "platform/Interrupt.h"

extern char** environ;

namespace platform {

namespace {

constexpr long kPollMs = 10;

bool IsExecutable(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string CurrentFolder() {
    char cwd[PATH_MAX];
    return getcwd(cwd, sizeof cwd) ? cwd : "";
}

// A path with a folder in it, made absolute against the caller's folder.
bool ResolvePath(const std::string& name, std::string* path, int* error) {
    std::string full = name[0] == '/' ? name : CurrentFolder() + "/" + name;
    if (!IsExecutable(full)) {
        *error = access(full.c_str(), F_OK) == 0 ? EACCES : ENOENT;
        return false;
    }
    *path = full;
    return true;
}

// The program as an absolute path, resolved here before the child changes
// folder: a bare name is looked for in the caller's folder, then on PATH.
bool ResolveProgram(const std::string& name, std::string* path, int* error) {
    if (name.find('/') != std::string::npos)
        return ResolvePath(name, path, error);
    std::string searchPath = EnvironmentValue("PATH");
    std::string list = ".:" + (searchPath.empty() ? std::string("/usr/bin:/bin") : searchPath);
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t colon = list.find(':', start);
        if (colon == std::string::npos)
            colon = list.size();
        std::string folder = list.substr(start, colon - start);
        std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
        if (IsExecutable(candidate))
            return ResolvePath(candidate, path, error);
        start = colon + 1;
    }
    *error = ENOENT;
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

bool CxChildProcess::Start(const std::vector<std::string>& arguments, const std::string& directory,
                         int* error) {
    int ignored = 0;
    if (!error)
        error = &ignored;
    *error = 0;
    Close();
    std::vector<std::string> args = arguments;
    std::string program;
    if (args.empty() || args[0].empty()) {
        *error = ENOENT;
        return false;
    }
    if (!ResolveProgram(args[0], &program, error))
        return false;
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
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
