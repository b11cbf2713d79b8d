// The summary buffer of a search: an ITEM_TABLE, one ITEM per item, then
// each item's name (not terminated) followed by its value, type word first.
#pragma once
#include "notesapi/src/Note.h"

#include <cstdint>
#include <vector>

namespace zns {

// The summary items of a note in their order, as many as fit in 32,000
// bytes (the summary limit of Notes).
std::vector<uint8_t> MakeSummaryBuffer(const std::vector<Item>& items);

} // namespace zns
