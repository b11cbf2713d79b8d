// Catalogue lookup and text forms of the common fields (the wizard's build):
// every manager's GetCommFieldInfo and GetCommFieldText answer from its
// kind's table.
#pragma once
#include <cstddef>

#include "common/pim/CommFieldTable.h"

// Copies the row with `key` into `row`; false when `row` is null or no row has the key.
bool CommGetFieldInfo(const tagCommFieldTable& table, int key, tagCommFieldInfo* row);

// The text form of the field `row` names in `record`, in `buffer` of `size`
// bytes (emptied first, its last byte zero); false when anything is missing
// or the field has no text.
bool CommGetFieldText(const tagCommFieldTable& table, const void* record,
                      const tagCommFieldInfo* row, char* buffer, std::size_t size);
