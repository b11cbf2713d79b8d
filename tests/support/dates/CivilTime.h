// Dates of a civil date and time, as the cases of a table give them.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/OleDate.h"

namespace testsupport {

inline SYSTEMTIME CivilTime(int year, int month, int day, int hour = 0, int minute = 0,
                            int second = 0) {
    SYSTEMTIME st{};
    st.wYear = static_cast<uint16_t>(year);
    st.wMonth = static_cast<uint16_t>(month);
    st.wDay = static_cast<uint16_t>(day);
    st.wHour = static_cast<uint16_t>(hour);
    st.wMinute = static_cast<uint16_t>(minute);
    st.wSecond = static_cast<uint16_t>(second);
    return st;
}

// Its Variant date; fails the test when it has none.
inline double VariantOf(int year, int month, int day, int hour = 0, int minute = 0,
                        int second = 0) {
    const SYSTEMTIME st = CivilTime(year, month, day, hour, minute, second);
    double v = 0;
    EXPECT_TRUE(SystemTimeToVariantTime(&st, &v));
    return v;
}

} // namespace testsupport
