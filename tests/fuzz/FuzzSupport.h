// What the fuzz targets share: the input as a file in a private folder in
// memory-backed storage, a check that stops the run, and a log that writes
// nowhere.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Writes the input to one file of this process and returns its folder (ending
// with '/') and name; the file is replaced on every call.
const std::string& InputFolder();
std::string WriteInput(const uint8_t* data, std::size_t size, const char* name);

// Stops the run where the code under test broke its promise, so the fuzzer
// keeps the input.
inline void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// Silences the diagnostic log: damaged inputs are logged, and a fuzzer makes
// millions of them.
void QuietLog();

} // namespace fuzz
