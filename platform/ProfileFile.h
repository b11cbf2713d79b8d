// Initialisation files with the profile API's semantics. Sections and keys
// compare without case; values lose surrounding blanks and one pair of
// surrounding quotes; other lines are kept. Lines are written with CR LF,
// read with either ending. A write replaces the file atomically (temporary
// file and rename) under an advisory lock on "<path>.lock".
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

// The value of `key` in `section` without a length limit; false when the file,
// the section or the key is missing.
bool ReadProfileValue(const char* path, const char* section, const char* key, std::string* value);

} // namespace platform
