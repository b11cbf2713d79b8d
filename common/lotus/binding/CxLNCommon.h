// Conversions between Variant dates and Notes TIMEDATE values, always through
// text so that Notes does the calendar work in the client's own settings, and
// between Variant dates and 64-bit seconds counts (local time).
#pragma once
#include <cstdint>

#include "global.h"

// "MM/DD/YYYY hh:mm:ss AM" read by ConvertTextToTIMEDATE. False (logged) when
// the date has no calendar parts or Notes cannot read the text.
bool VariantTimeToTIMEDATE(double vtime, TIMEDATE* result);

// ConvertTIMEDATEToText, then the text read back by its length: a date alone
// (10), with seconds (22) or without (19). False (logged), `result`
// untouched, for any other form.
bool TIMEDATEToVariantTime(const TIMEDATE* time, double* result);

// Seconds since 1970 of the date taken as local time; false, `result`
// untouched, when the date has no calendar parts.
bool VariantTimeToSeconds(double vtime, int64_t* result);

// Variant date of a seconds count taken as local time; false, `result`
// untouched, when the count has no local time.
bool SecondsToVariantTime(int64_t seconds, double* result);
