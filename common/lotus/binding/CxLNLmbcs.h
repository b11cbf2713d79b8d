// Text between the records' code page (Windows-1252) and LMBCS, the
// character set of every text the Notes C API takes and gives. The API's own
// OSTranslate does the work (through UTF-16), so a real Notes translates
// with its own tables; a table without it (fakes in tests) passes text as it
// is. Zero bytes (line breaks in Notes texts) stay as they are.
#pragma once
#include <cstddef>
#include <string>

// Whether every byte is the same character in both: nothing to translate.
bool LNIsPlainText(const char* text, std::size_t length);

std::string LNToLmbcs(const char* text, std::size_t length);
inline std::string LNToLmbcs(const std::string& text) {
    return LNToLmbcs(text.data(), text.size());
}

// `replaced` (may be null) adds the characters that have no form in the
// code page or came in broken sequences: each reads as '?'.
std::string LNFromLmbcs(const char* lmbcs, std::size_t length, std::size_t* replaced);

// UTF-8 of LMBCS text and back, with nothing lost: the journal's form.
std::string LNLmbcsToUtf8(const std::string& lmbcs);
std::string LNUtf8ToLmbcs(const std::string& utf8);

// The length of the longest start of `lmbcs` that takes at most `limit`
// bytes and ends on a character.
std::size_t LNLmbcsCut(const char* lmbcs, std::size_t size, std::size_t limit);
