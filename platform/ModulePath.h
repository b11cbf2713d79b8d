// Full file names of the running program and of the module holding an address.
#pragma once
#include <cstddef>

namespace platform {

// The program's own file (/proc/self/exe); false when unknown or it does not fit.
bool GetProgramFileName(char* buffer, std::size_t size);

// The file of the shared object (or program) that contains `address` (dladdr).
bool GetModuleFileName(const void* address, char* buffer, std::size_t size);

} // namespace platform
