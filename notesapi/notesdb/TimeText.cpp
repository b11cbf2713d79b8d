#include "TimeText.h"

#include <cstdio>

namespace {

const DWORD kDayHundredths = 8640000;
const DWORD kDayMask = 0x00ffffff;
const long kJulian1970 = 2440588;

bool IsReadableDay(DWORD innards1) {
    if (innards1 == ANYDAY)
        return true;
    if (innards1 & ~kDayMask)
        return false; // zone bits
    int year, month, day;
    CivilDate(static_cast<long>(innards1), &year, &month, &day);
    return year >= 1 && year <= 9999;
}

bool IsReadable(const TIMEDATE& t) {
    bool noTime = t.Innards[0] == ALLDAY;
    bool noDate = t.Innards[1] == ANYDAY;
    if (noTime && noDate)
        return false;
    return (noTime || t.Innards[0] < kDayHundredths) && IsReadableDay(t.Innards[1]);
}

std::string FormatDay(DWORD innards1) {
    int year, month, day;
    CivilDate(static_cast<long>(innards1), &year, &month, &day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string FormatClock(DWORD hundredths) {
    unsigned seconds = hundredths / 100, cents = hundredths % 100;
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    std::string out = text;
    if (cents) {
        std::snprintf(text, sizeof text, ".%02u", cents);
        out += text;
    }
    return out;
}

bool ParseDay(const char* text, DWORD* innards1, int* used) {
    int year, month, day, n = 0;
    if (std::sscanf(text, "%4d-%2d-%2d%n", &year, &month, &day, &n) != 3 || n != 10)
        return false;
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    long jd = JulianDay(year, month, day);
    int y2, m2, d2;
    CivilDate(jd, &y2, &m2, &d2);
    if (m2 != month || d2 != day)
        return false; // 31 April and the like
    *innards1 = static_cast<DWORD>(jd);
    *used = n;
    return true;
}

bool ParseClock(const char* text, DWORD* hundredths, int* used) {
    unsigned hour, minute, second, cents = 0;
    int n = 0;
    if (std::sscanf(text, "%2u:%2u:%2u%n", &hour, &minute, &second, &n) != 3 || n != 8)
        return false;
    if (text[n] == '.') {
        int m = 0;
        if (std::sscanf(text + n, ".%2u%n", &cents, &m) != 1 || m != 3)
            return false;
        n += m;
    }
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    *hundredths = ((hour * 60 + minute) * 60 + second) * 100 + cents;
    *used = n;
    return true;
}

bool ParseRaw(const std::string& text, TIMEDATE* time) {
    unsigned a, b;
    int n = 0;
    if (std::sscanf(text.c_str(), "raw 0x%8x 0x%8x%n", &a, &b, &n) != 2 ||
        static_cast<std::size_t>(n) != text.size())
        return false;
    time->Innards[0] = a;
    time->Innards[1] = b;
    return true;
}

} // namespace

long JulianDay(int year, int month, int day) {
    // Days from the civil date (after H. Hinnant), shifted to the Julian count.
    long y = year - (month <= 2);
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kJulian1970;
}

void CivilDate(long julianDay, int* year, int* month, int* day) {
    long z = julianDay - kJulian1970 + 719468;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    *year = static_cast<int>(yoe + era * 400 + (*month <= 2));
}

std::string FormatTimeDate(const TIMEDATE& t) {
    if (!IsReadable(t)) {
        char text[32];
        std::snprintf(text, sizeof text, "raw 0x%08X 0x%08X", t.Innards[0], t.Innards[1]);
        return text;
    }
    if (t.Innards[1] == ANYDAY)
        return FormatClock(t.Innards[0]);
    if (t.Innards[0] == ALLDAY)
        return FormatDay(t.Innards[1]);
    return FormatDay(t.Innards[1]) + " " + FormatClock(t.Innards[0]);
}

bool ParseTimeDate(const std::string& text, TIMEDATE* time) {
    if (text.compare(0, 4, "raw ") == 0)
        return ParseRaw(text, time);
    TIMEDATE t;
    t.Innards[0] = ALLDAY;
    t.Innards[1] = ANYDAY;
    const char* p = text.c_str();
    int used = 0;
    if (ParseDay(p, &t.Innards[1], &used)) {
        p += used;
        if (*p == ' ' && !ParseClock(p + 1, &t.Innards[0], &used))
            return false;
        if (*p == ' ')
            p += 1 + used;
    } else if (ParseClock(p, &t.Innards[0], &used)) {
        p += used;
    } else {
        return false;
    }
    if (*p != '\0')
        return false;
    *time = t;
    return true;
}
