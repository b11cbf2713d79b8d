// Environment lookups shared by the folder stand-ins.
#pragma once
#include <cstddef>
#include <string>

namespace platform {

// The variable's value; unset and empty are the same.
std::string EnvironmentValue(const char* name);

// $HOME, else the password database's home folder.
std::string HomeFolder();

// Copies `text` into `buffer`, cut to size-1 and terminated; returns the characters copied.
std::size_t CopyToBuffer(const std::string& text, char* buffer, std::size_t size);

} // namespace platform
