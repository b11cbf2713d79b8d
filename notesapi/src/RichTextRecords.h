// The CD records of a rich-text value: each starts with its signature and
// its length (header included) and on an even offset.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

namespace zns {

constexpr std::size_t kTextRunHeader = 8; // a CDTEXT: WSIG and FONTID

// Calls `visit` with each record and its length; false, having stopped, at
// a record that does not fit.
bool ForEachRecord(const uint8_t* value, std::size_t size,
                   const std::function<void(const uint8_t* record, std::size_t length)>& visit);

// Whether a record is a run of text (CDTEXT), its text after the header.
bool IsTextRun(const uint8_t* record, std::size_t length);
// Whether a record starts a paragraph (CDPARAGRAPH).
bool IsParagraph(const uint8_t* record, std::size_t length);

} // namespace zns
