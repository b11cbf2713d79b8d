// Initialisation files with the profile API's semantics. Sections and keys
// compare without case; values lose surrounding blanks and one pair of
// surrounding quotes; other lines are kept. Lines are written with CR LF,
// read with either ending. A write replaces the file atomically (temporary
// file and rename) under an advisory lock on "<path>.lock"; a new file is
// its owner's alone. The files are those of the data folder: neither a read
// nor a write goes through a symbolic link at the file's name (or the
// lock's), and every read is bounded.
#pragma once
#include <cstddef>
#include <string>

namespace platform {

// Copies the value (or `def` when the key is missing; null `def` is empty)
// into `buffer`, cut to size-1, and returns the characters copied.
std::size_t GetProfileString(const char* path, const char* section, const char* key,
                             const char* def, char* buffer, std::size_t size);

// Creates file, section and key when missing; a null value writes an empty one.
bool WriteProfileString(const char* path, const char* section, const char* key, const char* value);

// The value of `key` in `section`, up to 1 MiB of its line; false when the
// file, the section or the key is missing. For a file of the user's own
// configuration (the registry file), which may be a symbolic link.
bool ReadProfileValue(const char* path, const char* section, const char* key, std::string* value);

} // namespace platform
