#include "notesapi/src/TimeDate.h"

#include <ctime>

namespace zns {

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

const int64_t kJulianDayOf1970 = 2440588;

// Days since 1 January 1970 (H. Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    int64_t era = FloorDiv(y, 400);
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

int64_t JulianDay(int year, int month, int day) {
    return DaysFromCivil(year, month, day) + kJulianDayOf1970;
}

void CivilDate(int64_t julianDay, int& year, int& month, int& day) {
    int64_t z = julianDay - kJulianDayOf1970 + 719468;
    int64_t era = FloorDiv(z, 146097);
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

bool SplitTimeDate(const TIMEDATE& time, CivilTime& civil) {
    civil = CivilTime();
    civil.hasTime = time.Innards[0] != ALLDAY;
    civil.hasDate = time.Innards[1] != ANYDAY;
    if (!civil.hasTime && !civil.hasDate)
        return false;
    if (civil.hasTime) {
        DWORD t = time.Innards[0];
        if (t >= kHundredthsPerDay)
            return false;
        civil.hundredths = static_cast<int>(t % 100);
        t /= 100;
        civil.second = static_cast<int>(t % 60);
        civil.minute = static_cast<int>((t / 60) % 60);
        civil.hour = static_cast<int>(t / 3600);
    }
    if (civil.hasDate) {
        CivilDate(time.Innards[1] & kJulianDayMask, civil.year, civil.month, civil.day);
        if (!IsValidDate(civil.year, civil.month, civil.day))
            return false;
    }
    return true;
}

bool MakeTimeDate(const CivilTime& civil, TIMEDATE& time) {
    if (!civil.hasDate && !civil.hasTime)
        return false;
    if (civil.hasDate && !IsValidDate(civil.year, civil.month, civil.day))
        return false;
    if (civil.hasTime && (civil.hour < 0 || civil.hour > 23 || civil.minute < 0 ||
                          civil.minute > 59 || civil.second < 0 || civil.second > 59 ||
                          civil.hundredths < 0 || civil.hundredths > 99))
        return false;
    time.Innards[0] = civil.hasTime ? static_cast<DWORD>(((civil.hour * 60 + civil.minute) * 60 +
                                                          civil.second) * 100 + civil.hundredths)
                                    : ALLDAY;
    time.Innards[1] = civil.hasDate
                          ? static_cast<DWORD>(JulianDay(civil.year, civil.month, civil.day))
                          : ANYDAY;
    return true;
}

TIMEDATE NowTimeDate() {
    std::time_t now = std::time(nullptr);
    std::tm local;
    localtime_r(&now, &local);
    CivilTime civil;
    civil.year = local.tm_year + 1900;
    civil.month = local.tm_mon + 1;
    civil.day = local.tm_mday;
    civil.hour = local.tm_hour;
    civil.minute = local.tm_min;
    civil.second = local.tm_sec > 59 ? 59 : local.tm_sec;
    TIMEDATE time = {{0, 0}};
    MakeTimeDate(civil, time);
    return time;
}

} // namespace zns
