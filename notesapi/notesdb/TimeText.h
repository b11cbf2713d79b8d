// TIMEDATE values in the dump: "YYYY-MM-DD hh:mm:ss" with ".cc" when the
// hundredths are not 0, the date alone for "no time", the clock alone for
// "no date", and "raw 0xXXXXXXXX 0xXXXXXXXX" (Innards[0], Innards[1]) for
// anything else (zone bits set, values out of range), so every value
// survives the text exactly.
#pragma once
#include <string>

#include "global.h"
#include "misc.h"
#include "nsfdata.h"

std::string FormatTimeDate(const TIMEDATE& time);
bool ParseTimeDate(const std::string& text, TIMEDATE* time);

// Julian day number of a civil date and back (proleptic Gregorian).
long JulianDay(int year, int month, int day);
void CivilDate(long julianDay, int* year, int* month, int* day);
