#include "RunProgram.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"

namespace {

void Redirect(const std::string& path, int fd, int flags) {
    int file = open(path.c_str(), flags, 0644);
    if (file < 0 || dup2(file, fd) < 0)
        _exit(127);
    close(file);
}

} // namespace

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& directory, const std::string& input) {
    testsupport::TempDir capture;
    const std::string out = capture.File("out"), err = capture.File("err");
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    RunResult result;
    pid_t pid = fork();
    if (pid == 0) {
        Redirect(out, STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
        Redirect(err, STDERR_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
        Redirect(input.empty() ? "/dev/null" : input, STDIN_FILENO, O_RDONLY);
        if (chdir(directory.c_str()) != 0)
            _exit(127);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    result.out = testsupport::ReadFile(out);
    result.err = testsupport::ReadFile(err);
    return result;
}
