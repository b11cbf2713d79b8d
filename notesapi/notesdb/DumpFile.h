// The text form of a database: one block per document, a "[note ID]" line,
// its items in stored order (ItemText.h), then an empty line. Lines starting
// with '#' are comments. Import ignores the IDs: the database gives new ones.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "DbNote.h"

void WriteDump(std::ostream& out, const DbNote& note);

// False, with "line N: reason" in `error`, for a malformed text; nothing is
// returned then.
bool ReadDump(std::istream& in, std::vector<DbNote>* notes, std::string* error);
