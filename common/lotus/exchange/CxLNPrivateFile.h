// Files that carry secrets (the Notes password of a helper run) or records.
#pragma once
#include <string>

// Replaces whatever is at `path` with a new empty file that only its owner may
// read and write, so that no earlier, wider access carries over; a symbolic
// link there is replaced, never followed. The file open for writing, or -1.
int LNOpenPrivateFile(const char* path);
// The same, closed again.
bool LNCreatePrivateFile(const char* path);
// Writes `text` into a private file beside `path` and renames it over
// `path`, so that no reader ever finds half a file.
bool LNReplacePrivateFile(const std::string& path, const std::string& text);
