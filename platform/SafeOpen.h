// Opening the files of a private folder, where a planted symbolic link must
// lead nowhere: a final link is never followed, and a file made here is its
// owner's alone.
#pragma once

namespace platform {

// open() with O_NOFOLLOW and O_CLOEXEC added; O_CREAT makes the file 0600.
// Interrupted calls are retried; -1 with errno set (ELOOP for a link).
int OpenNoFollow(const char* path, int flags);
// The same for `name` inside the folder open as `folder`.
int OpenNoFollowAt(int folder, const char* name, int flags);
// The folder at `path` (with or without a trailing '/') for reading and for
// OpenNoFollowAt; -1 (ENOTDIR or ELOOP) when it is no folder or a symbolic
// link to one.
int OpenFolderNoFollow(const char* path);

} // namespace platform
