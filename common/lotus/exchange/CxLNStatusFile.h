// Reader side of the status file: the one line a helper host keeps there,
// for the wait window.
#pragma once
#include <cstddef>

// The first line of the file at `path` without its line end, read up to
// `size` - 1 bytes and no further; false (and empty) when there is no file.
bool LNReadStatusLine(const char* path, char* buffer, std::size_t size);
