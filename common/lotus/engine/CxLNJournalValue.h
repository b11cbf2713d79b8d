// An item value as a journal holds it: a type name, a readable value (texts
// in UTF-8) and the stored bytes (LMBCS texts) in hexadecimal, which alone an
// undo trusts.
#pragma once
#include <nlohmann/json.hpp>

#include "common/lotus/engine/CxLNNoteItems.h"

nlohmann::json LNJournalValue(const tagLNRawItem& item);

// The item `name` back from a value of LNJournalValue; false when the value
// is not one.
bool LNJournalItem(const nlohmann::json& value, const std::string& name, tagLNRawItem* item);
