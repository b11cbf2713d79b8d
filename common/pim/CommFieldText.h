// Helpers of the text forms that every common catalogue shares.
#pragma once
#include <cstddef>

#include "common/misc/CxString.h"
#include "common/pim/CommFieldInfo.h"

// The row with `key` among `count` rows; null when none has it.
const tagCommFieldInfo* CommFindRow(const tagCommFieldInfo* rows, int count, int key);
// GetCommFieldInfo of every kind: false when `row` is null or no row has the key.
bool CommCopyRow(const tagCommFieldInfo* rows, int count, int key, tagCommFieldInfo* row);

// Empties the caller's buffer and terminates its last byte; false when there is none.
bool CommBeginText(char* buffer, std::size_t size);
const char* CommYesNo(long value);
// The "Source Type" text of a value; null for any value without one.
const char* CommSourceTypeText(int value);

// Copies a record's text field, never reading past the field.
template <std::size_t N>
void CommCopyField(char* buffer, std::size_t size, const char (&field)[N]) {
    CxStrCopyN(buffer, size, field, N - 1);
}
