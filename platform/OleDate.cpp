#include "OleDate.h"

#include <cmath>

namespace {

// Day numbers count from 30 December 1899, the OLE epoch.
constexpr long kFirstDay = -657434; // 1 January 100
constexpr long kLastDay = 2958465;  // 31 December 9999
constexpr long kSecondsPerDay = 86400;

// Proleptic Gregorian calendar, days relative to 1 March of year 0.
long DaysFromCivil(long year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(year - era * 400);
    const unsigned doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe);
}

const long kEpoch = DaysFromCivil(1899, 12, 30);

void CivilFromDays(long days, long* year, unsigned* month, unsigned* day) {
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    *day = doy - (153 * mp + 2) / 5 + 1;
    *month = mp < 10 ? mp + 3 : mp - 9;
    *year = static_cast<long>(yoe) + era * 400 + (*month <= 2);
}

bool IsLeap(unsigned year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(unsigned year, unsigned month) {
    static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

bool IsValid(const SYSTEMTIME& st) {
    return st.wYear >= 100 && st.wYear <= 9999 && st.wMonth >= 1 && st.wMonth <= 12 &&
           st.wDay >= 1 && st.wDay <= DaysInMonth(st.wYear, st.wMonth) && st.wHour < 24 &&
           st.wMinute < 60 && st.wSecond < 60;
}

} // namespace

bool VariantTimeToSystemTime(double vtime, SYSTEMTIME* st) {
    if (!st || !std::isfinite(vtime) || vtime <= kFirstDay - 1.0 || vtime >= kLastDay + 1.0)
        return false;
    const double whole = std::trunc(vtime);
    long day = static_cast<long>(whole);
    long seconds = std::lround(std::fabs(vtime - whole) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) { // rounded up to the next midnight
        seconds -= kSecondsPerDay;
        ++day;
    }
    if (day < kFirstDay || day > kLastDay)
        return false;
    long year;
    unsigned month, mday;
    CivilFromDays(day + kEpoch, &year, &month, &mday);
    st->wYear = static_cast<uint16_t>(year);
    st->wMonth = static_cast<uint16_t>(month);
    st->wDay = static_cast<uint16_t>(mday);
    st->wDayOfWeek = static_cast<uint16_t>(((day % 7) + 7 + 6) % 7); // day 0 was a Saturday
    st->wHour = static_cast<uint16_t>(seconds / 3600);
    st->wMinute = static_cast<uint16_t>(seconds / 60 % 60);
    st->wSecond = static_cast<uint16_t>(seconds % 60);
    st->wMilliseconds = 0;
    return true;
}

bool SystemTimeToVariantTime(const SYSTEMTIME* st, double* vtime) {
    if (!st || !vtime || !IsValid(*st))
        return false;
    const long day = DaysFromCivil(st->wYear, st->wMonth, st->wDay) - kEpoch;
    const double time = (st->wHour * 3600.0 + st->wMinute * 60.0 + st->wSecond) /
                        static_cast<double>(kSecondsPerDay);
    *vtime = day >= 0 ? day + time : day - time;
    return true;
}
