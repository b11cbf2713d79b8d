// Where a database path given to the API lives on disk.
#pragma once
#include "notesapi/src/Api.h"

#include <string>

namespace zns {

// Paths and names between the API's LMBCS and the file system's UTF-8 (and
// that of notes.ini).
std::string NativeText(const std::string& lmbcs);
std::string LmbcsText(const std::string& native);

// Backslashes become slashes: Notes paths are often written the Windows way.
std::string NormalisePath(const std::string& path);
// `name` as is when absolute or when `folder` is empty, else folder/name.
std::string JoinPath(const std::string& folder, const std::string& name);

// The file of a path given to the API (LMBCS): relative paths resolve
// against Directory= of notes.ini, absolute paths stay, "server!!path"
// resolves in the server's folder from [Servers]. ERR_SERVER_NOT_RESPONDING
// for a server notes.ini does not know.
STATUS ResolveDatabasePath(const std::string& given, std::string& file);
// Whether a path names a server: "server!!path" with a server name.
bool IsServerPath(const std::string& given);
// An ID file path given to the API: relative paths resolve against Directory=.
std::string ResolveLocalPath(const std::string& given);

} // namespace zns
