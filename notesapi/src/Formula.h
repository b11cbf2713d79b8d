// The selection formulas the stand-in understands: `SELECT @All` and
// `SELECT Form="X"` (keywords and the item name without case, blanks
// anywhere between the parts, an optional closing ';').
#pragma once
#include "notesapi/src/Note.h"

#include <string>

namespace zns {

struct Formula {
    bool all = false;
    std::string form; // the form name to match when not `all`
};

// False with the offset of the first character not understood.
bool CompileFormula(const char* text, size_t length, Formula& formula, size_t& errorOffset);

// The item name a formula looks at; empty for none.
std::string FormulaItemName(const Formula& formula);
// Whether a note whose first item of that name is `item` (null when none)
// is selected. Form names compare without case; any entry of a list counts.
bool FormulaMatches(const Formula& formula, const Item* item);

} // namespace zns
