#include "CxLNCommon.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <strings.h>

#include "common/lotus/binding/CxLNApi.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"
#include "platform/OleDate.h"

namespace {

// Hour on the 12-hour clock: 13..23 lose 12; 0..12 stay.
int TwelveHour(int hour) {
    return hour > 12 ? hour - 12 : hour;
}

// Hour on the 24-hour clock from a 12-hour hour and its day-half marker.
// "12:30:00 AM" is half past midnight, so an AM hour 12 becomes 0.
int TwentyFourHour(int hour, const char* marker) {
    if (strncasecmp(marker, "pm", 2) == 0)
        return hour == 12 ? hour : hour + 12;
    if (strncasecmp(marker, "am", 2) == 0 && hour == 12)
        return 0;
    return hour;
}

bool ReadDate(const char* text, SYSTEMTIME* st) {
    int month = 0, day = 0, year = 0;
    if (std::sscanf(text, "%02d/%02d/%04d", &month, &day, &year) != 3)
        return false;
    st->wMonth = static_cast<uint16_t>(month);
    st->wDay = static_cast<uint16_t>(day);
    st->wYear = static_cast<uint16_t>(year);
    return month > 0 && day > 0 && year > 0;
}

// Reads "hh:mm:ss" (withSeconds) or "hh:mm" at `clock` and the two-letter
// marker at `marker`.
bool ReadClock(const char* clock, bool withSeconds, const char* marker, SYSTEMTIME* st) {
    char part[9];
    CxStrCopyN(part, sizeof part, clock, withSeconds ? 8 : 5);
    int hour = 0, minute = 0, second = 0;
    int fields = withSeconds ? std::sscanf(part, "%02d:%02d:%02d", &hour, &minute, &second)
                             : std::sscanf(part, "%02d:%02d", &hour, &minute);
    if (fields != (withSeconds ? 3 : 2) || hour < 0 || minute < 0 || second < 0)
        return false;
    st->wHour = static_cast<uint16_t>(TwentyFourHour(hour, marker));
    st->wMinute = static_cast<uint16_t>(minute);
    st->wSecond = static_cast<uint16_t>(second);
    return true;
}

// Calendar parts of a Notes time text, dispatched on its length.
bool ReadNotesText(const char* text, SYSTEMTIME* st) {
    std::memset(st, 0, sizeof *st);
    char date[11];
    CxStrCopyN(date, sizeof date, text, 10);
    switch (std::strlen(text)) {
    case 10:
        return ReadDate(date, st);
    case 22:
        return ReadDate(date, st) && ReadClock(text + 11, true, text + 20, st);
    case 19:
        return ReadDate(date, st) && ReadClock(text + 11, false, text + 17, st);
    default:
        return false;
    }
}

} // namespace

bool VariantTimeToTIMEDATE(double vtime, TIMEDATE* result) {
    if (!result)
        return false;
    SYSTEMTIME st;
    if (!VariantTimeToSystemTime(vtime, &st)) {
        CX_LOG_ERROR("Failed to convert Variant time to System time. VariantTime=%f", vtime);
        return false;
    }
    char text[MAXALPHATIMEDATE];
    CxStrFormat(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d %s", st.wMonth, st.wDay, st.wYear,
                TwelveHour(st.wHour), st.wMinute, st.wSecond, st.wHour < 12 ? "AM" : "PM");
    char* cursor = text;
    STATUS status = LNApi().ConvertTextToTIMEDATE(nullptr, nullptr, &cursor,
                                                  static_cast<WORD>(std::strlen(text)), result);
    if (status != NOERROR) {
        CX_LOG_ERROR("Failed to call ConvertTextToTIMEDATE, error code=%d", status);
        return false;
    }
    return true;
}

bool TIMEDATEToVariantTime(const TIMEDATE* time, double* result) {
    if (!time || !result)
        return false;
    char text[MAXALPHATIMEDATE];
    WORD length = 0;
    STATUS status =
        LNApi().ConvertTIMEDATEToText(nullptr, nullptr, time, text, MAXALPHATIMEDATE, &length);
    if (status != NOERROR) {
        CX_LOG_ERROR("Failed to call ConvertTIMEDATEToText, error code=%d", status);
        return false;
    }
    // The text comes unterminated; a length past the buffer is cut.
    text[length < MAXALPHATIMEDATE ? length : MAXALPHATIMEDATE - 1] = '\0';
    SYSTEMTIME st;
    if (!ReadNotesText(text, &st)) {
        CX_LOG_ERROR("Unknown Notes Date/Time format: %s", text);
        return false;
    }
    double vtime = 0;
    if (!SystemTimeToVariantTime(&st, &vtime)) {
        CX_LOG_ERROR("Failed to convert System time to Variant time. NotesTime=%s", text);
        return false;
    }
    *result = vtime;
    return true;
}

bool VariantTimeToSeconds(double vtime, int64_t* result) {
    SYSTEMTIME st;
    if (!result || !VariantTimeToSystemTime(vtime, &st))
        return false;
    struct tm parts = {};
    parts.tm_year = st.wYear - 1900;
    parts.tm_mon = st.wMonth - 1;
    parts.tm_mday = st.wDay;
    parts.tm_hour = st.wHour;
    parts.tm_min = st.wMinute;
    parts.tm_sec = st.wSecond;
    parts.tm_isdst = -1;
    *result = static_cast<int64_t>(std::mktime(&parts));
    return true;
}

bool SecondsToVariantTime(int64_t seconds, double* result) {
    if (!result)
        return false;
    time_t value = static_cast<time_t>(seconds);
    struct tm parts;
    if (!localtime_r(&value, &parts) || parts.tm_year < 100 - 1900 || parts.tm_year > 9999 - 1900)
        return false;
    SYSTEMTIME st = {};
    st.wYear = static_cast<uint16_t>(parts.tm_year + 1900);
    st.wMonth = static_cast<uint16_t>(parts.tm_mon + 1);
    st.wDay = static_cast<uint16_t>(parts.tm_mday);
    st.wDayOfWeek = static_cast<uint16_t>(parts.tm_wday);
    st.wHour = static_cast<uint16_t>(parts.tm_hour);
    st.wMinute = static_cast<uint16_t>(parts.tm_min);
    st.wSecond = static_cast<uint16_t>(parts.tm_sec);
    return SystemTimeToVariantTime(&st, result);
}
