// The binding and the date conversions against the stand-in libnotes.so,
// loaded from a Notes program folder as the engine loads it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "CivilTime.h"
#include "NotesFolder.h"
#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNCommon.h"
#include "platform/OleDate.h"
#include "tests/lotus/LogCapture.h"

using testsupport::NotesFolder;

namespace {

class StandInTest : public ::testing::Test {
protected:
    void TearDown() override { CxLNApi::Stop(); }
    LogCapture m_log;
};

double (&Variant)(int, int, int, int, int, int) = testsupport::VariantOf;

// Julian day number of a civil date.
DWORD JulianDay(int year, int month, int day) {
    int a = (14 - month) / 12, y = year + 4800 - a, m = month + 12 * a - 3;
    return static_cast<DWORD>(day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 -
                              32045);
}

} // namespace

TEST_F(StandInTest, TheLibraryIsBoundFromTheNotesFolder) {
    NotesFolder folder(NOTES_LIBRARY);
    ASSERT_TRUE(folder.Ok());
    ASSERT_TRUE(CxLNApi::Start()) << m_log.Text();
    char text[1024] = "";
    WORD length = LNApi().OSLoadString(NULLHANDLE, ERR_NOEXIST, text, sizeof text);
    EXPECT_STREQ(text, "File does not exist");
    EXPECT_EQ(length, std::strlen(text));
    CxLNApi::Stop();
    EXPECT_FALSE(CxLNApi::IsStarted());
    EXPECT_EQ(LNApi().OSLoadString, nullptr);
    EXPECT_EQ(m_log.Text(), "");
}

TEST_F(StandInTest, EveryStartBindsTheLibraryAfresh) {
    NotesFolder folder(NOTES_LIBRARY);
    ASSERT_TRUE(folder.Ok());
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(CxLNApi::Start()) << round;
        DBHANDLE hDb = NULLHANDLE;
        EXPECT_EQ(ERR(LNApi().NSFDbOpen("missing.nsf", &hDb)), ERR_NOEXIST);
        CxLNApi::Stop();
        EXPECT_EQ(LNApi().NSFDbOpen, nullptr);
    }
}

TEST_F(StandInTest, DatesSurviveTheRoundTripToTheSecond) {
    NotesFolder folder(NOTES_LIBRARY);
    ASSERT_TRUE(CxLNApi::Start());
    std::vector<double> dates = {0.0,
                                 Variant(2007, 2, 3, 13, 5, 9),
                                 Variant(2007, 2, 3, 0, 0, 0),
                                 Variant(2007, 2, 3, 0, 30, 0),
                                 Variant(2007, 2, 3, 12, 0, 0),
                                 Variant(2007, 2, 3, 12, 30, 0),
                                 Variant(2007, 2, 3, 23, 59, 59),
                                 Variant(1899, 12, 29, 6, 0, 0),
                                 Variant(2000, 2, 29, 0, 59, 59),
                                 Variant(9999, 12, 31, 23, 59, 59),
                                 Variant(100, 1, 1, 0, 0, 1)};
    for (int hour = 0; hour < 24; ++hour)
        dates.push_back(Variant(2024, 3, 31, hour, 7 * hour % 60, 59 - hour));
    for (int year = 1900; year <= 2100; year += 7)
        dates.push_back(Variant(year, 1 + year % 12, 1 + year % 28, year % 24, year % 60, 3));
    for (double v : dates) {
        SCOPED_TRACE(v);
        TIMEDATE td = {};
        ASSERT_TRUE(VariantTimeToTIMEDATE(v, &td));
        SYSTEMTIME st;
        ASSERT_TRUE(VariantTimeToSystemTime(v, &st));
        // Local wall time in the stand-in's layout, the midnight hour included.
        EXPECT_EQ(td.Innards[0], ((st.wHour * 60u + st.wMinute) * 60u + st.wSecond) * 100u);
        EXPECT_EQ(td.Innards[1], JulianDay(st.wYear, st.wMonth, st.wDay));
        double back = -1;
        ASSERT_TRUE(TIMEDATEToVariantTime(&td, &back));
        EXPECT_NEAR(back, v, 0.5 / 86400);
    }
    EXPECT_EQ(m_log.Text(), "");
}

TEST_F(StandInTest, ADateAloneReadsAsMidnightAndAClockAloneIsRefused) {
    NotesFolder folder(NOTES_LIBRARY);
    ASSERT_TRUE(CxLNApi::Start());
    TIMEDATE dateOnly = {{static_cast<DWORD>(ALLDAY), JulianDay(2011, 3, 5)}};
    double v = -1;
    ASSERT_TRUE(TIMEDATEToVariantTime(&dateOnly, &v));
    EXPECT_DOUBLE_EQ(v, Variant(2011, 3, 5, 0, 0, 0));

    TIMEDATE clockOnly = {{(13 * 3600 + 15 * 60) * 100, static_cast<DWORD>(ANYDAY)}};
    v = -1;
    EXPECT_FALSE(TIMEDATEToVariantTime(&clockOnly, &v));
    EXPECT_EQ(v, -1);
    EXPECT_NE(m_log.Text().find("[!!!] - "), std::string::npos);
}
