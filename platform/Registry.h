// The registry file: an initialisation file whose sections are full key paths
// such as "HKEY_LOCAL_MACHINE\SOFTWARE\Lotus\Notes". It is $ZEMBRIK_REGISTRY,
// else $XDG_CONFIG_HOME/zembrik/registry.ini, else ~/.config/zembrik/registry.ini.
#pragma once
#include <cstddef>
#include <string>

namespace platform {

std::string RegistryFilePath();

// Reads a value below HKEY_LOCAL_MACHINE into `buffer` (cut to size-1).
// False, with an empty buffer, when the file, key or value is missing.
bool ReadLocalMachineString(const char* keyPath, const char* valueName, char* buffer,
                            std::size_t size);

} // namespace platform
