// Item values between LMBCS and the records' code page: texts and text
// lists translated entry by entry, summary buffers item by item; other
// values, and lists that are not whole, as they are.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "nsfdata.h"

// The entries of a text list value (after its type word); false when the
// value is not whole.
bool LNSplitTextList(const char* value, std::size_t length, std::vector<std::string>* entries);

// The value after its type word. `replaced` (may be null) adds the
// characters read as '?'.
std::string LNValueFromLmbcs(WORD type, const char* value, std::size_t length,
                             std::size_t* replaced);
// An entry of a text list that would pass a WORD is cut on a character.
std::string LNValueToLmbcs(WORD type, const char* value, std::size_t length);

// A summary buffer (ITEM_TABLE, ITEMs, names and values) with its names and
// text values in the code page.
std::vector<char> LNSummaryFromLmbcs(const ITEM_TABLE* summary, std::size_t* replaced);
