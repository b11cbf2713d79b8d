// Values written as text, read by the field's type: the command line's
// updates and the cells of a values file take them alike.
#pragma once
#include <cstdint>
#include <string>

#include "wizard/update/Vxcommon.h"

// "YYYY-MM-DD", and with `withTime` "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS"
// (a 'T' may stand for the blank); false for anything else or a day that
// does not exist.
bool FUParseDate(const std::string& text, bool withTime, double* value);
// What to write instead of a date that does not parse.
const char* FUDateForm(bool withTime);
// A whole number in the int32 range, blanks at either end allowed.
bool FUParseNumber(const std::string& text, int32_t* value);
// "true", "yes", "1" or "false", "no", "0", any case, blanks at either end allowed.
bool FUParseFlag(const std::string& text, uint8_t* value);
// The value of the choice of `row` named `name` (Windows-1252, any case, blanks
// at either end allowed); false with the reason in UTF-8.
bool FUParseChoice(const tagFUFieldInfo& row, const std::string& name, int32_t* value,
                   std::string* why);
// The name of the choice of `row` that has `value`; empty when none has it.
std::string FUChoiceName(const tagFUFieldInfo& row, int32_t value);

struct tagFUCell;

// The cell text that empties a text field or removes a date, any case.
extern const char* const kFUClearCell; // "{clear}"

// A cell of a values file (Windows-1252) read as the field of `row` takes it,
// under the rules of the command line's updates: an empty cell, or one of
// blanks, leaves the field; a text is kept as it is, cut only when it is
// stored. False with the reason (UTF-8) for a value the field cannot take.
bool FUParseCell(const tagFUFieldInfo& row, const std::string& text, tagFUCell* cell,
                 std::string* why);
