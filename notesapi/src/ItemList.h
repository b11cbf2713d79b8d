// Operations on the item list of an in-memory note. Item names compare
// without case.
#pragma once
#include "notesapi/src/Note.h"

#include <string>

namespace zns {

Item MakeItem(const std::string& name, WORD flags, WORD type, const void* value, size_t length);

// The first item of the name; null when none.
const Item* FindItem(const std::vector<Item>& items, const std::string& name);
Item* FindItem(std::vector<Item>& items, const std::string& name);
// Replaces every item of the name by `item`, at the place of the first one
// (appended when there was none).
void ReplaceItem(std::vector<Item>& items, const Item& item);
// False when there is no item of the name.
bool DeleteFirstItem(std::vector<Item>& items, const std::string& name);

// The text of a text item, or the first entry of a text list.
bool ItemText(const Item& item, std::string& text);
// The entries of a text list, or a text item as a list of one.
bool ItemTextEntries(const Item& item, std::vector<std::string>& texts);
bool ItemTime(const Item& item, TIMEDATE& time);
bool ItemNumber(const Item& item, NUMBER& number);

} // namespace zns
