#include "ShellOpen.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Environment.h"

namespace platform {

void ShellOpen(const char* target) {
    if (!target)
        return;
    std::string command = EnvironmentValue("ZEMBRIK_SHELL_OPEN");
    if (command.empty())
        command = "xdg-open";
    // Prepared before the fork: the children only call async-signal-safe functions.
    char* argv[] = {command.data(), const_cast<char*>(target), nullptr};
    // The middle child ends at once, so the opener is never our child to reap.
    pid_t middle = fork();
    if (middle == 0) {
        setsid();
        if (fork() == 0) {
            int null = open("/dev/null", O_RDWR);
            if (null >= 0) {
                dup2(null, STDIN_FILENO);
                dup2(null, STDOUT_FILENO);
            }
            execvp(argv[0], argv);
            _exit(127);
        }
        _exit(0);
    }
    if (middle > 0) {
        while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
}

} // namespace platform
