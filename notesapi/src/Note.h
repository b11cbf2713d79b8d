// The in-memory copy of a note: its items in the order they were set.
#pragma once
#include "notesapi/src/Api.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zns {

struct Item {
    std::string name;
    WORD flags = 0;
    std::vector<uint8_t> value; // begins with the little-endian type word
    // The stored row this item holds (or took the place of), -1 for none;
    // an update writes only changed items and drops rows no item holds.
    int64_t row = -1;
    bool changed = true;

    WORD Type() const;
};

struct NoteData {
    NOTEID id = 0;        // 0 until the note is first stored
    WORD noteClass = NOTE_CLASS_DOCUMENT;
    int64_t sequence = 0; // the stored sequence this copy was read at
    std::vector<Item> items;
    std::vector<int64_t> storedRows; // ascending, as read or last stored
};

} // namespace zns
