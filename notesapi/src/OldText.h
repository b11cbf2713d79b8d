// Text of databases made before the stand-in kept LMBCS: code page 1252.
#pragma once
#include "notesapi/src/Api.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zns {

std::string LmbcsFromCp1252(const std::string& text);

// The value (after its type word) of an item of `type` with every text in
// LMBCS: a text, the entries of a text list, the runs of rich text. Other
// types, and values that are not whole, come back as they are.
std::vector<uint8_t> ConvertOldValue(WORD type, const std::vector<uint8_t>& value);

} // namespace zns
