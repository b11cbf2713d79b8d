// The items of an open note behind a handle, as the item calls reach them.
#pragma once
#include "notesapi/src/Api.h"
#include "notesapi/src/Note.h"

#include <cstddef>
#include <functional>
#include <string>

namespace zns {

// The first item of the name; null when none or for a bad handle or name.
const Item* FirstItemOf(NOTEHANDLE hNote, const char* itemName);

// The text `read` makes of the first item of the name, cut into `buffer`
// of `size` bytes (never within a character) and terminated; its length, 0
// when there is no item or `read` fails.
WORD PutItemText(NOTEHANDLE hNote, const char* itemName, char* buffer, std::size_t size,
                 const std::function<bool(const Item&, std::string&)>& read);

// Replaces every item of the name by one summary item of `type`.
STATUS SetItemOf(NOTEHANDLE hNote, const char* itemName, WORD type, const void* value,
                 std::size_t length);

} // namespace zns
