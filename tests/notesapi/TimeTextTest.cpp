// TIMEDATE to text and back, in the client's month/day/year, 12-hour form.
#include "tests/notesapi/NotesApi.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const DWORD kDay19700101 = 2440588;

TIMEDATE Make(DWORD julianDay, int hour, int minute, int second) {
    TIMEDATE t;
    t.Innards[0] = static_cast<DWORD>(((hour * 60 + minute) * 60 + second) * 100);
    t.Innards[1] = julianDay;
    return t;
}

std::string ToText(const TIMEDATE& t, STATUS* status = nullptr) {
    char buffer[MAXALPHATIMEDATE];
    WORD length = 0;
    STATUS s = ConvertTIMEDATEToText(nullptr, nullptr, &t, buffer, sizeof buffer, &length);
    if (status)
        *status = s;
    return s == NOERROR ? std::string(buffer, length) : std::string();
}

STATUS FromText(const std::string& text, TIMEDATE& t, size_t* consumed = nullptr) {
    std::string copy = text;
    char* cursor = &copy[0];
    STATUS s = ConvertTextToTIMEDATE(nullptr, nullptr, &cursor, static_cast<WORD>(copy.size()), &t);
    if (consumed)
        *consumed = static_cast<size_t>(cursor - copy.data());
    return s;
}

} // namespace

TEST(TimeText, JulianDayOfTheEpochIsThePublicOne) {
    EXPECT_EQ(ToText(Make(kDay19700101, 0, 0, 0)), "01/01/1970 12:00:00 AM");
}

struct FormatCase {
    int hour, minute, second;
    const char* text;
};

class TimeToText : public ::testing::TestWithParam<FormatCase> {};

TEST_P(TimeToText, WritesTheTwelveHourClock) {
    const FormatCase& c = GetParam();
    // 3 February 2007.
    TIMEDATE t = Make(2454135, c.hour, c.minute, c.second);
    EXPECT_EQ(ToText(t), c.text);
    TIMEDATE back;
    ASSERT_EQ(FromText(c.text, back), NOERROR);
    EXPECT_EQ(back.Innards[0], t.Innards[0]);
    EXPECT_EQ(back.Innards[1], t.Innards[1]);
}

INSTANTIATE_TEST_SUITE_P(Hours, TimeToText,
                         ::testing::Values(FormatCase{0, 0, 0, "02/03/2007 12:00:00 AM"},
                                           FormatCase{0, 30, 0, "02/03/2007 12:30:00 AM"},
                                           FormatCase{1, 5, 9, "02/03/2007 01:05:09 AM"},
                                           FormatCase{11, 59, 59, "02/03/2007 11:59:59 AM"},
                                           FormatCase{12, 0, 0, "02/03/2007 12:00:00 PM"},
                                           FormatCase{12, 15, 0, "02/03/2007 12:15:00 PM"},
                                           FormatCase{13, 5, 9, "02/03/2007 01:05:09 PM"},
                                           FormatCase{23, 59, 59, "02/03/2007 11:59:59 PM"}));

TEST(TimeText, EverySecondOfADayRoundTrips) {
    for (int s = 0; s < 86400; s += 7) {
        TIMEDATE t = Make(2415019, s / 3600, (s / 60) % 60, s % 60);
        TIMEDATE back;
        std::string text = ToText(t);
        ASSERT_EQ(text.size(), 22u);
        ASSERT_EQ(FromText(text, back), NOERROR) << text;
        ASSERT_EQ(back.Innards[0], t.Innards[0]) << text;
        ASSERT_EQ(back.Innards[1], t.Innards[1]) << text;
    }
}

TEST(TimeText, DateAloneIsTheNoTimeValue) {
    TIMEDATE t;
    ASSERT_EQ(FromText("12/30/1899", t), NOERROR);
    EXPECT_EQ(t.Innards[0], ALLDAY);
    EXPECT_EQ(t.Innards[1], 2415019u);
    EXPECT_EQ(ToText(t), "12/30/1899");
}

struct ParseCase {
    const char* text;
    int hour, minute, second;
};

class TextToTime : public ::testing::TestWithParam<ParseCase> {};

TEST_P(TextToTime, ReadsTheForms) {
    const ParseCase& c = GetParam();
    TIMEDATE t;
    ASSERT_EQ(FromText(c.text, t), NOERROR) << c.text;
    EXPECT_EQ(t.Innards[0], static_cast<DWORD>(((c.hour * 60 + c.minute) * 60 + c.second) * 100))
        << c.text;
    EXPECT_EQ(t.Innards[1], 2415019u) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TextToTime,
    ::testing::Values(ParseCase{"12/30/1899 00:30:00 AM", 0, 30, 0},
                      ParseCase{"12/30/1899 12:30:00 AM", 0, 30, 0},
                      ParseCase{"12/30/1899 00:00:00 AM", 0, 0, 0},
                      ParseCase{"12/30/1899 12:15:00 PM", 12, 15, 0},
                      ParseCase{"12/30/1899 01:15:00 PM", 13, 15, 0},
                      ParseCase{"12/30/1899 01:15:00 pm", 13, 15, 0},
                      ParseCase{"12/30/1899 01:15 PM", 13, 15, 0},
                      ParseCase{"12/30/1899 13:15:30", 13, 15, 30},
                      ParseCase{"12/30/1899 00:00", 0, 0, 0},
                      ParseCase{"  12/30/1899  9:05:01AM  ", 9, 5, 1}));

class BadText : public ::testing::TestWithParam<const char*> {};

TEST_P(BadText, IsRefusedAndTheTextStays) {
    TIMEDATE t = {{1, 2}};
    size_t consumed = 99;
    EXPECT_EQ(FromText(GetParam(), t, &consumed), ERR_TDI_CONV) << GetParam();
    EXPECT_EQ(consumed, 0u);
    EXPECT_EQ(t.Innards[0], 1u);
}

INSTANTIATE_TEST_SUITE_P(Junk, BadText,
                         ::testing::Values("", "   ", "junk", "12/30/999", "13/01/2000",
                                           "02/30/2001", "12/30/1899 24:00:00",
                                           "12/30/1899 13:00:00 PM", "12/30/1899 00:10 PM",
                                           "12/30/1899 10:60", "12/30/1899 10:00:61 AM",
                                           "12/30/1899 junk", "12/30/1899 10:00 AM x",
                                           "12/30/1899 10", "00/10/2000", "01/01/0000"));

TEST(TimeText, TwoDigitYearsMean1950To2049) {
    const std::pair<const char*, const char*> cases[] = {
        {"07/14/93 03:14:44 PM", "07/14/1993 03:14:44 PM"}, {"01/15/88", "01/15/1988"},
        {"04/20/50", "04/20/1950"}, {"12/31/49", "12/31/2049"}, {"02/29/00", "02/29/2000"}};
    for (const auto& c : cases) {
        TIMEDATE t;
        ASSERT_EQ(FromText(c.first, t), NOERROR) << c.first;
        EXPECT_EQ(ToText(t), c.second);
    }
}

TEST(TimeText, TextIsAdvancedPastTheTime) {
    TIMEDATE t;
    size_t consumed = 0;
    ASSERT_EQ(FromText("02/03/2007 01:05:09 PM  ", t, &consumed), NOERROR);
    EXPECT_EQ(consumed, 22u);
}

TEST(TimeText, ReadsNoFurtherThanMaxLength) {
    char text[] = "02/03/2007 01:05:09 PM";
    char* cursor = text;
    TIMEDATE t;
    ASSERT_EQ(ConvertTextToTIMEDATE(nullptr, nullptr, &cursor, 10, &t), NOERROR);
    EXPECT_EQ(t.Innards[0], ALLDAY);
    EXPECT_EQ(cursor, text + 10);
}

TEST(TimeText, TextIsNotTerminatedAndNeedsRoom) {
    char buffer[MAXALPHATIMEDATE];
    memset(buffer, 'x', sizeof buffer);
    WORD length = 0;
    TIMEDATE t = Make(2454135, 13, 5, 9);
    ASSERT_EQ(ConvertTIMEDATEToText(nullptr, nullptr, &t, buffer, sizeof buffer, &length), NOERROR);
    EXPECT_EQ(length, 22);
    EXPECT_EQ(buffer[22], 'x');
    EXPECT_EQ(ConvertTIMEDATEToText(nullptr, nullptr, &t, buffer, 21, &length), ERR_TDO_CONV);
    EXPECT_EQ(length, 0);
}

TEST(TimeText, ValuesThatAreNoTimeAreRefused) {
    const TIMEDATE bad[] = {{{ALLDAY, ANYDAY}}, {{8640000, 2454135}}, {{0, 0}}};
    for (const TIMEDATE& t : bad) {
        STATUS status = NOERROR;
        ToText(t, &status);
        EXPECT_EQ(status, ERR_TDO_CONV) << t.Innards[0] << " " << t.Innards[1];
    }
    EXPECT_EQ(ConvertTIMEDATEToText(nullptr, nullptr, nullptr, nullptr, 0, nullptr), ERR_TDO_CONV);
    EXPECT_EQ(ConvertTextToTIMEDATE(nullptr, nullptr, nullptr, 10, nullptr), ERR_TDI_CONV);
}

TEST(TimeText, ZoneBitsDoNotChangeTheText) {
    TIMEDATE t = Make(2454135, 13, 5, 9);
    t.Innards[1] |= 0x85000000u;
    EXPECT_EQ(ToText(t), "02/03/2007 01:05:09 PM");
}
