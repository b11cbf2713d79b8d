#include "ProcessWatch.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>

#include "TestSupport.h"

namespace {

const auto kPatience = std::chrono::seconds(120);

long long FileSize(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

// The process's state letter from /proc; 0 when there is no such process.
char State(pid_t pid) {
    std::istringstream stat(testsupport::ReadFile("/proc/" + std::to_string(pid) + "/stat"));
    std::string field;
    // pid (comm) state ppid: the name may hold blanks, so skip past its ')'.
    std::getline(stat, field, ')');
    char state = 0;
    return stat >> state ? state : 0;
}

template <class Done> bool Within(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace

std::set<pid_t> ChildrenOf(pid_t parent) {
    std::set<pid_t> children;
    DIR* proc = opendir("/proc");
    while (const dirent* entry = proc ? readdir(proc) : nullptr) {
        const pid_t pid = std::atoi(entry->d_name);
        if (pid <= 0)
            continue;
        std::istringstream stat(testsupport::ReadFile("/proc/" + std::to_string(pid) + "/stat"));
        std::string field;
        std::getline(stat, field, ')');
        char state = 0;
        pid_t ppid = 0;
        if (stat >> state >> ppid && ppid == parent)
            children.insert(pid);
    }
    if (proc)
        closedir(proc);
    return children;
}

pid_t WriteBackUnderWay(pid_t batch, const std::string& wal) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline && kill(batch, 0) == 0) {
        const std::set<pid_t> helpers = ChildrenOf(batch);
        if (helpers.size() == 1 && FileSize(wal) > 0)
            return *helpers.begin();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return -1;
}

bool Gone(pid_t pid) {
    return Within([pid] {
        const char state = State(pid);
        return state == 0 || state == 'Z' || state == 'X';
    });
}

bool Holds(const std::string& path, const std::string& text) {
    return Within([&] { return testsupport::ReadFile(path).find(text) != std::string::npos; });
}

bool HoldsWhileRuns(const std::string& path, const std::string& text, pid_t pid) {
    const auto held = [&] { return testsupport::ReadFile(path).find(text) != std::string::npos; };
    Within([&] { return held() || State(pid) == 'Z' || State(pid) == 0; });
    return held();
}
