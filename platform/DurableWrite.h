// Writing that is to outlive the process and a power cut: every byte of a
// text, and the names in a folder.
#pragma once
#include <string>

namespace platform {

// Writes all of `text` to `fd`, going on after interrupted calls; false (errno
// set, EIO when nothing could be written) when a write fails.
bool WriteAll(int fd, const std::string& text);

// Puts the folder's entries (a file made or renamed in it) on the disk.
void SyncFolder(const std::string& folder);

} // namespace platform
