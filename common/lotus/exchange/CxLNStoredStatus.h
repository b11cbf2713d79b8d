// The helper's status line during a write-back: how many documents it has
// stored so far, and of how many when it knows. The helper writes it, the
// wizard reads the figures back for its bar.
#pragma once
#include <string>

// "Writing the changes back to Lotus Notes: N of M documents stored so far."
// or, with `total` below 0, the line without "of M".
std::string LNStoredStatusText(long stored, long total);

// The figures of such a line; false for any other line. `total` is -1 when
// the line names none.
bool LNParseStoredStatus(const char* line, long* stored, long* total);
