// One item on one line of the dump:
//
//   Name: text                        a text item
//   Name: [list] "one" "two"          a text list
//   Name: [number] 5                  a number (shortest exact form)
//   Name: [time] 2007-02-03 13:05:09  a time (see TimeText.h)
//   Name: [richtext] 82FF4600...      rich text: the CD record bytes in hex
//   Name: [type=0x0301] 0100...       any other type: its value bytes in hex
//
// "[flags=0x0000] " before the value marks flags other than the type's
// usual ones (summary for everything but rich text). Names and texts use the
// escapes of TextEscape.h; a text that starts with '[' is written "\[".
// A value that its type cannot hold (a short number, a broken list) is
// written in the "[type=...]" form, so every item survives.
#pragma once
#include <string>

#include "DbNote.h"

// The flags an item of `type` gets when its line names none.
WORD DefaultItemFlags(WORD type);

std::string FormatItem(const DbItem& item);
// False, with a reason in `error`, for a line that is no item.
bool ParseItem(const std::string& line, DbItem* item, std::string* error);
