// The calendar arithmetic of TIMEDATE values: Julian day numbers and
// hundredths of a second since midnight, in local wall time.
#pragma once
#include "notesapi/src/Api.h"

#include <cstdint>

namespace zns {

const DWORD kJulianDayMask = 0x00ffffff;
const DWORD kHundredthsPerDay = 8640000;

struct CivilTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, hundredths = 0;
    bool hasDate = true;
    bool hasTime = true;
};

bool IsValidDate(int year, int month, int day);
// Proleptic Gregorian calendar; 1 January 1970 is day 2440588.
int64_t JulianDay(int year, int month, int day);
void CivilDate(int64_t julianDay, int& year, int& month, int& day);

// False for values that are no time (a time of day beyond a day, nothing
// at all, a year outside 1 to 9999).
bool SplitTimeDate(const TIMEDATE& time, CivilTime& civil);
bool MakeTimeDate(const CivilTime& civil, TIMEDATE& time);

TIMEDATE NowTimeDate();

} // namespace zns
