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

RunningProgram StartProgram(const std::string& program, const std::vector<std::string>& args,
                            const std::string& directory, const std::string& input) {
    RunningProgram running;
    running.capture = std::make_shared<testsupport::TempDir>();
    const std::string out = running.capture->File("out"), err = running.capture->File("err");
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    running.pid = fork();
    if (running.pid == 0) {
        Redirect(out, STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
        Redirect(err, STDERR_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
        Redirect(input.empty() ? "/dev/null" : input, STDIN_FILENO, O_RDONLY);
        if (chdir(directory.c_str()) != 0)
            _exit(127);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return running;
}

RunResult FinishProgram(const RunningProgram& running) {
    RunResult result;
    int status = 0;
    if (running.pid > 0 && waitpid(running.pid, &status, 0) == running.pid && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    result.out = testsupport::ReadFile(running.capture->File("out"));
    result.err = testsupport::ReadFile(running.capture->File("err"));
    return result;
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& directory, const std::string& input) {
    return FinishProgram(StartProgram(program, args, directory, input));
}
