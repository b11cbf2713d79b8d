// The value of a text list after its type word: a WORD count, a WORD length
// for each entry, then the entries one after another.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zns {

struct TextSpan {
    std::size_t offset = 0; // from the start of the value
    std::size_t length = 0;
};

// False when the bytes are not a whole list.
bool ReadTextList(const uint8_t* bytes, std::size_t size, std::vector<TextSpan>& entries);
// The value of a list of these entries; false when one passes a WORD or the
// whole list would.
bool MakeTextList(const std::vector<std::string>& entries, std::vector<uint8_t>& value);

} // namespace zns
