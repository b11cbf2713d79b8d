// Runs a program to its end in a chosen folder, its output captured.
#pragma once
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

#include "TestSupport.h"

struct RunResult {
    int status = -1; // exit status; -1 when it did not start or end normally
    std::string out, err;
};

// `input` (a file path, may be empty) becomes standard input.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& directory, const std::string& input = "");

// A program started and not yet awaited, for tests that act on it while it runs.
struct RunningProgram {
    pid_t pid = -1;
    std::shared_ptr<testsupport::TempDir> capture; // its output
};
RunningProgram StartProgram(const std::string& program, const std::vector<std::string>& args,
                            const std::string& directory, const std::string& input = "");
// Waits for its end; its status and output.
RunResult FinishProgram(const RunningProgram& running);
