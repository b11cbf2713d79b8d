// vxln-batch run as a program, its output and exit status kept.
#pragma once
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

struct BatchResult {
    int status = -1;
    std::string out; // standard output and error
};

// `input` is a file for standard input.
inline BatchResult RunBatchProgram(const std::string& args, const std::string& input = "/dev/null") {
    BatchResult r;
    const std::string command =
        std::string("'") + VXLN_BATCH_PROGRAM + "' " + args + " 2>&1 <'" + input + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        r.out.append(chunk.data(), n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}
