#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "platform/OleDate.h"

namespace {

struct Pair {
    double vtime;
    int year, month, day, hour, minute, second, dayOfWeek;
};

const Pair kPairs[] = {
    {0.0, 1899, 12, 30, 0, 0, 0, 6},
    {2.5, 1900, 1, 1, 12, 0, 0, 1},
    {-1.25, 1899, 12, 29, 6, 0, 0, 5},
    {1.0, 1899, 12, 31, 0, 0, 0, 0},
    {60.0, 1900, 2, 28, 0, 0, 0, 3},
    {61.0, 1900, 3, 1, 0, 0, 0, 4},
    {40607.588298611111, 2011, 3, 5, 14, 7, 9, 6},
    {-657434.0, 100, 1, 1, 0, 0, 0, 5},
    {-657434.5, 100, 1, 1, 12, 0, 0, 5},
    {2958465.0, 9999, 12, 31, 0, 0, 0, 5},
    {2958465.0 + 86399.0 / 86400.0, 9999, 12, 31, 23, 59, 59, 5},
    {36526.0, 2000, 1, 1, 0, 0, 0, 6},
    {36585.0, 2000, 2, 29, 0, 0, 0, 2},
};

SYSTEMTIME Parts(const Pair& p) {
    SYSTEMTIME st{};
    st.wYear = static_cast<uint16_t>(p.year);
    st.wMonth = static_cast<uint16_t>(p.month);
    st.wDay = static_cast<uint16_t>(p.day);
    st.wHour = static_cast<uint16_t>(p.hour);
    st.wMinute = static_cast<uint16_t>(p.minute);
    st.wSecond = static_cast<uint16_t>(p.second);
    return st;
}

void ExpectParts(const SYSTEMTIME& st, const Pair& p) {
    EXPECT_EQ(st.wYear, p.year) << p.vtime;
    EXPECT_EQ(st.wMonth, p.month) << p.vtime;
    EXPECT_EQ(st.wDay, p.day) << p.vtime;
    EXPECT_EQ(st.wHour, p.hour) << p.vtime;
    EXPECT_EQ(st.wMinute, p.minute) << p.vtime;
    EXPECT_EQ(st.wSecond, p.second) << p.vtime;
    EXPECT_EQ(st.wDayOfWeek, p.dayOfWeek) << p.vtime;
    EXPECT_EQ(st.wMilliseconds, 0) << p.vtime;
}

} // namespace

TEST(OleDate, KnownPairsConvertBothWays) {
    for (const Pair& p : kPairs) {
        SYSTEMTIME st;
        ASSERT_TRUE(VariantTimeToSystemTime(p.vtime, &st)) << p.vtime;
        ExpectParts(st, p);
        SYSTEMTIME parts = Parts(p);
        double vtime = 123;
        ASSERT_TRUE(SystemTimeToVariantTime(&parts, &vtime)) << p.vtime;
        EXPECT_NEAR(vtime, p.vtime, 1e-9);
    }
}

TEST(OleDate, NegativeValuesCountDaysBackAndTimeForward) {
    SYSTEMTIME st;
    ASSERT_TRUE(VariantTimeToSystemTime(-0.25, &st)); // same moment as 0.25
    ExpectParts(st, {0, 1899, 12, 30, 6, 0, 0, 6});
    ASSERT_TRUE(VariantTimeToSystemTime(-2.75, &st));
    ExpectParts(st, {0, 1899, 12, 28, 18, 0, 0, 4});
}

TEST(OleDate, SecondsAreRoundedToTheNearest) {
    const double second = 1.0 / 86400.0;
    struct Case {
        double vtime;
        Pair expected;
    } cases[] = {
        {2.0 + 0.4 * second, {0, 1900, 1, 1, 0, 0, 0, 1}},
        {2.0 + 0.6 * second, {0, 1900, 1, 1, 0, 0, 1, 1}},
        {2.0 + 59.7 * second, {0, 1900, 1, 1, 0, 1, 0, 1}},
        {2.0 + 86399.6 * second, {0, 1900, 1, 2, 0, 0, 0, 2}}, // carries into the next day
        {-1.0 - 86399.6 * second, {0, 1899, 12, 30, 0, 0, 0, 6}},
    };
    for (const Case& c : cases) {
        SYSTEMTIME st;
        ASSERT_TRUE(VariantTimeToSystemTime(c.vtime, &st)) << c.vtime;
        ExpectParts(st, c.expected);
    }
}

TEST(OleDate, ValuesOutsideTheYearsFailAndLeaveTheOutputAlone) {
    const double bad[] = {-657435.0,
                          -657435.5,
                          2958466.0,
                          2958465.0 + 86399.6 / 86400.0, // rounds into year 10000
                          1e300,
                          -1e300,
                          std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()};
    for (double v : bad) {
        SYSTEMTIME st{};
        st.wYear = 77;
        EXPECT_FALSE(VariantTimeToSystemTime(v, &st)) << v;
        EXPECT_EQ(st.wYear, 77);
    }
    EXPECT_FALSE(VariantTimeToSystemTime(0.0, nullptr));
}

TEST(OleDate, InvalidPartsFail) {
    const Pair bad[] = {
        {0, 99, 12, 31, 0, 0, 0, 0},  {0, 10000, 1, 1, 0, 0, 0, 0}, {0, 2011, 0, 1, 0, 0, 0, 0},
        {0, 2011, 13, 1, 0, 0, 0, 0}, {0, 2011, 1, 0, 0, 0, 0, 0},  {0, 2011, 4, 31, 0, 0, 0, 0},
        {0, 1900, 2, 29, 0, 0, 0, 0}, {0, 2011, 1, 1, 24, 0, 0, 0}, {0, 2011, 1, 1, 0, 60, 0, 0},
        {0, 2011, 1, 1, 0, 0, 60, 0},
    };
    for (const Pair& p : bad) {
        SYSTEMTIME st = Parts(p);
        double vtime = 42;
        EXPECT_FALSE(SystemTimeToVariantTime(&st, &vtime))
            << p.year << "-" << p.month << "-" << p.day;
        EXPECT_EQ(vtime, 42);
    }
    SYSTEMTIME st = Parts(kPairs[0]);
    EXPECT_FALSE(SystemTimeToVariantTime(nullptr, nullptr));
    EXPECT_FALSE(SystemTimeToVariantTime(&st, nullptr));
}

TEST(OleDate, MillisecondsAndDayOfWeekOfTheInputAreIgnored) {
    SYSTEMTIME st = Parts(kPairs[1]);
    st.wMilliseconds = 999;
    st.wDayOfWeek = 4;
    double vtime = 0;
    ASSERT_TRUE(SystemTimeToVariantTime(&st, &vtime));
    EXPECT_DOUBLE_EQ(vtime, 2.5);
}

TEST(OleDate, WholeSecondsRoundTripAcrossTheRange) {
    for (double v = -657434.0; v < 2958466.0; v += 12345.678901) {
        double whole = std::round(v * 86400.0) / 86400.0;
        SYSTEMTIME st;
        double back = 0;
        ASSERT_TRUE(VariantTimeToSystemTime(whole, &st)) << whole;
        ASSERT_TRUE(SystemTimeToVariantTime(&st, &back)) << whole;
        // A negative value and its mirror within the same day are one moment.
        SYSTEMTIME again;
        ASSERT_TRUE(VariantTimeToSystemTime(back, &again));
        EXPECT_EQ(std::memcmp(&st, &again, sizeof st), 0) << whole;
    }
}
