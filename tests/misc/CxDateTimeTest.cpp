#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "CivilTime.h"
#include "common/misc/CxDateTime.h"

namespace {

SYSTEMTIME Make(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return testsupport::CivilTime(y, mo, d, h, mi, s);
}

// Fixes the zone for tests that cross to seconds since 1970.
struct InZone {
    explicit InZone(const char* zone) {
        const char* old = std::getenv("TZ");
        hadOld = old != nullptr;
        if (old)
            saved = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~InZone() {
        if (hadOld)
            setenv("TZ", saved.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    bool hadOld;
    std::string saved;
};

} // namespace

TEST(CxDateTime, FormatsDateTimeAndBoth) {
    CxDateTime dt;
    dt.SetSysTime(Make(2011, 3, 5, 14, 7, 9));
    EXPECT_TRUE(dt.IsValid());
    char text[20];
    dt.FormatDate(text);
    EXPECT_STREQ(text, "03/05/2011");
    dt.FormatTime(text);
    EXPECT_STREQ(text, "14:07:09");
    dt.FormatDateTime(text);
    EXPECT_STREQ(text, "03/05/2011 14:07:09");
    EXPECT_TRUE(FormatVariantTime(dt.GetVariantTime(), text));
    EXPECT_STREQ(text, "03-05-2011 14:07:09");
}

TEST(CxDateTime, YearAfter2030HasNoDateText) {
    CxDateTime dt;
    dt.SetSysTime(Make(2031, 1, 2, 8, 30, 0));
    char text[20];
    dt.FormatDate(text);
    EXPECT_STREQ(text, "");
    dt.FormatDateTime(text);
    EXPECT_STREQ(text, " 08:30:00");
    dt.SetSysTime(Make(2030, 12, 31));
    dt.FormatDate(text);
    EXPECT_STREQ(text, "12/31/2030");
}

TEST(CxDateTime, VariantAndPartsDescribeTheSameMoment) {
    CxDateTime dt(2.5);
    EXPECT_TRUE(dt.IsValid());
    EXPECT_EQ(dt.GetSysTime().wYear, 1900);
    EXPECT_EQ(dt.GetSysTime().wDay, 1);
    EXPECT_EQ(dt.GetSysTime().wHour, 12);
    dt.SetSysTime(Make(1899, 12, 29, 6));
    EXPECT_DOUBLE_EQ(dt.GetVariantTime(), -1.25);
    dt.SetVariantTime(40607.5);
    EXPECT_EQ(dt.GetSysTime().wYear, 2011);
    EXPECT_EQ(dt.GetSysTime().wMonth, 3);
    EXPECT_EQ(dt.GetSysTime().wDay, 5);
    EXPECT_EQ(dt.GetSysTime().wDayOfWeek, 6);
}

TEST(CxDateTime, FailedConversionKeepsTheOtherField) {
    CxDateTime dt(40607.5);
    dt.SetVariantTime(1e9);
    EXPECT_FALSE(dt.IsValid());
    EXPECT_EQ(dt.GetSysTime().wYear, 2011); // parts of the last good conversion
    char text[20];
    dt.FormatDate(text);
    EXPECT_STREQ(text, "03/05/2011");
    dt.SetVariantTime(40607.5);
    dt.SetSysTime(Make(2011, 2, 30));
    EXPECT_FALSE(dt.IsValid());
    EXPECT_EQ(dt.GetVariantTime(), 40607.5);
    dt.FormatDate(text);
    EXPECT_STREQ(text, "02/30/2011"); // texts come from the parts as given
    EXPECT_FALSE(FormatVariantTime(1e9, text));
    EXPECT_STREQ(text, "02/30/2011"); // untouched by the failed format
}

TEST(CxDateTime, SetTimeTUsesLocalTime) {
    InZone zone("UTC");
    CxDateTime dt;
    dt.SetTimeT(1299334029); // 2011-03-05 14:07:09 UTC
    EXPECT_TRUE(dt.IsValid());
    char text[20];
    dt.FormatDateTime(text);
    EXPECT_STREQ(text, "03/05/2011 14:07:09");
    EXPECT_EQ(dt.GetSysTime().wDayOfWeek, 6);
    EXPECT_EQ(dt.GetSysTime().wMilliseconds, 0);
    InZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    dt.SetTimeT(1299334029);
    dt.FormatTime(text);
    EXPECT_STREQ(text, "15:07:09");
}

TEST(CxDateTime, DefaultIsNow) {
    time_t before = time(nullptr);
    CxDateTime dt;
    time_t after = time(nullptr);
    time_t value = 0;
    ASSERT_TRUE(dt.IsValid());
    ASSERT_TRUE(VariantTimeToTimeT(dt.GetVariantTime(), &value));
    EXPECT_GE(value, before);
    EXPECT_LE(value, after);
}

TEST(CxDateTime, VariantTimeToTimeTInLocalTime) {
    InZone zone("UTC");
    time_t value = 0;
    EXPECT_TRUE(VariantTimeToTimeT(25569.0, &value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(VariantTimeToTimeT(40607.588298611, &value)); // 2011-03-05 14:07:09
    EXPECT_EQ(value, 1299334029);
    InZone newYork("EST5EDT,M3.2.0,M11.1.0");
    EXPECT_TRUE(VariantTimeToTimeT(25569.0, &value));
    EXPECT_EQ(value, 5 * 3600);
    EXPECT_FALSE(VariantTimeToTimeT(-700000.0, &value));
    EXPECT_FALSE(VariantTimeToTimeT(25569.0, nullptr));
}

TEST(CxDateTime, CompareDateByCalendarDay) {
    SYSTEMTIME late = Make(2011, 3, 5, 23, 59), early = Make(2011, 3, 5, 0, 0),
               before = Make(2011, 3, 4), nextYear = Make(2012, 1, 1), nextMonth = Make(2011, 4, 1);
    late.wDayOfWeek = 3;
    EXPECT_EQ(CompareDate(&late, &early), 0);
    EXPECT_EQ(CompareDate(&early, &before), 1);
    EXPECT_EQ(CompareDate(&before, &early), -1);
    EXPECT_EQ(CompareDate(&nextYear, &late), 1);
    EXPECT_EQ(CompareDate(&late, &nextMonth), -1);
    EXPECT_EQ(CompareDate(nullptr, &late), -1);
    EXPECT_EQ(CompareDate(nullptr, nullptr), -1);
    EXPECT_EQ(CompareDate(&late, nullptr), 1);
}
