// Files that carry secrets (the Notes password of a helper run).
#pragma once

// Replaces whatever is at `path` with a new empty file that only its owner may
// read and write, so that no earlier, wider access carries over.
bool LNCreatePrivateFile(const char* path);
