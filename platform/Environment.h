// Environment lookups shared by the folder stand-ins.
#pragma once
#include <cstddef>
#include <string>

namespace platform {

// The variable's value; unset and empty are the same.
std::string EnvironmentValue(const char* name);

// $HOME, else the password database's home folder.
std::string HomeFolder();

// The folder the process started in, its current directory before main.
const std::string& StartFolder();
// `path` itself when it is absolute or empty, else the same below the start
// folder: a relative name the user gave means one place for the whole run,
// whatever the current directory becomes.
std::string FromStartFolder(const std::string& path);
// Once, at the start of a program: the folder variables the stand-ins read
// ($ZEMBRIK_APPDATA, $ZEMBRIK_LOCAL_APPDATA, $ZEMBRIK_REGISTRY,
// $XDG_DATA_HOME, $XDG_CONFIG_HOME) become absolute, so that the helper
// hosts, which start in another folder, find the same places.
void MakeFolderVariablesAbsolute();

// Copies `text` into `buffer`, cut to size-1 and terminated; returns the characters copied.
std::size_t CopyToBuffer(const std::string& text, char* buffer, std::size_t size);

} // namespace platform
