// OLE Automation dates: day 0 is 30 December 1899, the integer part counts
// days (backwards for negative values), the fraction's absolute value is the
// time of day. Years 100 to 9999, whole seconds.
#pragma once
#include <cstdint>

struct SYSTEMTIME {
    uint16_t wYear;
    uint16_t wMonth;     // 1..12
    uint16_t wDayOfWeek; // 0 Sunday .. 6
    uint16_t wDay;
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMilliseconds;
};

// Both return false, leaving the output alone, for anything outside the rules.
bool VariantTimeToSystemTime(double vtime, SYSTEMTIME* st);
bool SystemTimeToVariantTime(const SYSTEMTIME* st, double* vtime);
