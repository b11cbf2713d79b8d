// Where an update puts each item of a note, so that only changed items are
// written and the stored order (by row) stays the order of the items.
#pragma once
#include "notesapi/src/Note.h"

#include <cstdint>
#include <vector>

namespace zns {

// Items that hold a row keep it; the others take free numbers between
// their neighbours. False when the held rows are out of order or a gap is
// too small: the note is then stored afresh.
bool PlanItemRows(const std::vector<Item>& items, std::vector<int64_t>& rows);

// The stored rows (ascending) that no item holds any more.
std::vector<int64_t> DroppedRows(const std::vector<int64_t>& stored,
                                 const std::vector<Item>& items);

} // namespace zns
