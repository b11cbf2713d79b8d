// The access level of a user in a database's access list.
#pragma once
#include "notesapi/src/Store.h"

#include <string>
#include <vector>

namespace zns {

bool IsAccessLevel(int level);
// An empty list lets everyone in as manager; a user not listed gets the
// default entry's level, else none.
int AccessLevel(const std::vector<AccessEntry>& entries, const std::string& user);
bool CanRead(int level);
bool CanWrite(int level);

} // namespace zns
