// Runs a program to its end in a chosen folder, its output captured.
#pragma once
#include <string>
#include <vector>

struct RunResult {
    int status = -1; // exit status; -1 when it did not start or end normally
    std::string out, err;
};

// `input` (a file path, may be empty) becomes standard input.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& directory, const std::string& input = "");
