// Notes date conversions against a fake API table: the text forms the
// client may give, every refusal and its log line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "CivilTime.h"
#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNCommon.h"
#include "miscerr.h"
#include "platform/OleDate.h"
#include "tests/lotus/LogCapture.h"

namespace {

// What the fake conversions see and answer.
struct FakeText {
    std::string received;    // text handed to ConvertTextToTIMEDATE
    std::string answer;      // text ConvertTIMEDATEToText gives
    WORD answerLength = 0;   // its reported length, when set
    STATUS status = NOERROR; // status of both
};
FakeText g_fake;

STATUS LNPUBLIC FakeTextToTime(const void*, const TFMT*, char** text, WORD length,
                               TIMEDATE* result) {
    g_fake.received.assign(*text, length);
    *text += length;
    result->Innards[0] = 42;
    result->Innards[1] = 43;
    return g_fake.status;
}

STATUS LNPUBLIC FakeTimeToText(const void*, const TFMT*, const TIMEDATE*, char* buffer, WORD size,
                               WORD* length) {
    std::size_t n = std::min<std::size_t>(g_fake.answer.size(), size);
    std::memcpy(buffer, g_fake.answer.data(), n);
    *length = g_fake.answerLength ? g_fake.answerLength : static_cast<WORD>(n);
    return g_fake.status;
}

double (&Variant)(int, int, int, int, int, int) = testsupport::VariantOf;

class CxLNCommonTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_fake = FakeText();
        tagLNApiTable table{};
        table.ConvertTextToTIMEDATE = FakeTextToTime;
        table.ConvertTIMEDATEToText = FakeTimeToText;
        CxLNApi::Install(table);
    }
    void TearDown() override { CxLNApi::Uninstall(); }

    // The Variant date read from the fake's text; -1 when refused.
    double Read(const std::string& text) {
        g_fake.answer = text;
        TIMEDATE td = {{1, 2}};
        double v = -1;
        if (!TIMEDATEToVariantTime(&td, &v)) {
            EXPECT_EQ(v, -1) << "output touched on failure";
        }
        return v;
    }

    LogCapture m_log;
};

} // namespace

TEST_F(CxLNCommonTest, VariantDatesAreWrittenOnTheTwelveHourClock) {
    const std::pair<double, const char*> cases[] = {
        {Variant(2007, 2, 3, 13, 5, 9), "02/03/2007 01:05:09 PM"},
        {Variant(2007, 2, 3, 0, 30, 0), "02/03/2007 00:30:00 AM"},
        {Variant(2007, 2, 3, 12, 0, 0), "02/03/2007 12:00:00 PM"},
        {Variant(2007, 2, 3, 11, 59, 59), "02/03/2007 11:59:59 AM"},
        {Variant(2007, 2, 3, 23, 0, 1), "02/03/2007 11:00:01 PM"},
        {0.0, "12/30/1899 00:00:00 AM"},
    };
    for (const auto& c : cases) {
        TIMEDATE td = {};
        EXPECT_TRUE(VariantTimeToTIMEDATE(c.first, &td)) << c.second;
        EXPECT_EQ(g_fake.received, c.second);
        EXPECT_EQ(td.Innards[0], 42u);
    }
}

TEST_F(CxLNCommonTest, TextsAreReadByTheirLength) {
    const std::pair<const char*, double> cases[] = {
        {"02/03/2007", Variant(2007, 2, 3, 0, 0, 0)},
        {"02/03/2007 01:05:09 PM", Variant(2007, 2, 3, 13, 5, 9)},
        {"02/03/2007 12:15:00 PM", Variant(2007, 2, 3, 12, 15, 0)},
        {"02/03/2007 01:15:00 pm", Variant(2007, 2, 3, 13, 15, 0)},
        {"02/03/2007 09:15:00 AM", Variant(2007, 2, 3, 9, 15, 0)},
        // Half past midnight on a 12-hour client: hour 12 with AM is hour 0.
        {"02/03/2007 12:30:00 AM", Variant(2007, 2, 3, 0, 30, 0)},
        {"02/03/2007 12:30:00 am", Variant(2007, 2, 3, 0, 30, 0)},
        {"02/03/2007 00:30:00 AM", Variant(2007, 2, 3, 0, 30, 0)},
        {"02/03/2007 01:15 PM", Variant(2007, 2, 3, 13, 15, 0)},
        {"02/03/2007 12:45 AM", Variant(2007, 2, 3, 0, 45, 0)},
        {"12/30/1899 00:00:00 AM", 0.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Read(c.first), c.second) << c.first;
    EXPECT_EQ(m_log.Text(), "");
}

TEST_F(CxLNCommonTest, OtherFormsAreRefusedWithTheirText) {
    const char* const texts[] = {"02/03/07", "01:15:00 PM", "", "02/03/2007 1:15:00 PM",
                                 "2007-02-03 13:15:00 PM"};
    for (const char* text : texts) {
        EXPECT_EQ(Read(text), -1) << text;
        EXPECT_NE(m_log.Text().find(std::string("[!!!] - Unknown Notes Date/Time format: ") + text +
                                    "\r\n"),
                  std::string::npos)
            << text;
    }
}

TEST_F(CxLNCommonTest, ImpossibleCalendarPartsFailTheRead) {
    for (const char* text : {"13/45/2007", "02/30/2007 10:00:00 AM", "02/03/2007 11:75:00 PM"}) {
        EXPECT_EQ(Read(text), -1) << text;
        EXPECT_NE(m_log.Text().find(std::string("Failed to convert System time to Variant time. "
                                                "NotesTime=") +
                                    text),
                  std::string::npos);
    }
}

TEST_F(CxLNCommonTest, ALengthPastTheBufferIsCutAndRefused) {
    g_fake.answerLength = 500;
    EXPECT_EQ(Read(std::string(100, '1')), -1);
    EXPECT_NE(m_log.Text().find("Unknown Notes Date/Time format: " + std::string(79, '1') + "\r\n"),
              std::string::npos);
}

TEST_F(CxLNCommonTest, FailedCallsAndBadArgumentsAreRefused) {
    g_fake.status = ERR_TDI_CONV;
    TIMEDATE td = {};
    double v = -1;
    EXPECT_FALSE(VariantTimeToTIMEDATE(Variant(2007, 2, 3, 1, 2, 3), &td));
    EXPECT_FALSE(TIMEDATEToVariantTime(&td, &v));
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(VariantTimeToTIMEDATE(1.0, nullptr));
    EXPECT_FALSE(TIMEDATEToVariantTime(nullptr, &v));
    EXPECT_FALSE(TIMEDATEToVariantTime(&td, nullptr));
    g_fake.status = NOERROR;
    EXPECT_FALSE(VariantTimeToTIMEDATE(1e9, &td));
    std::string log = m_log.Text();
    EXPECT_NE(log.find("Failed to call ConvertTextToTIMEDATE, error code=1036\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("Failed to call ConvertTIMEDATEToText, error code=1036\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("Failed to convert Variant time to System time. "
                       "VariantTime=1000000000.000000\r\n"),
              std::string::npos);
}

class SecondsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        m_hadTz = tz != nullptr;
        m_tz = tz ? tz : "";
    }
    void TearDown() override {
        if (m_hadTz)
            setenv("TZ", m_tz.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    void Zone(const char* tz) {
        setenv("TZ", tz, 1);
        tzset();
    }
    bool m_hadTz = false;
    std::string m_tz;
};

TEST_F(SecondsTest, SecondsCountsAreLocalTime) {
    Zone("UTC0");
    int64_t s = -1;
    ASSERT_TRUE(VariantTimeToSeconds(Variant(1970, 1, 1, 0, 0, 0), &s));
    EXPECT_EQ(s, 0);
    Zone("CET-1");
    ASSERT_TRUE(VariantTimeToSeconds(Variant(1970, 1, 1, 1, 0, 0), &s));
    EXPECT_EQ(s, 0);
    double v = 0;
    ASSERT_TRUE(SecondsToVariantTime(86400 + 30, &v));
    EXPECT_DOUBLE_EQ(v, Variant(1970, 1, 2, 1, 0, 30));
    // Beyond 32 bits.
    ASSERT_TRUE(SecondsToVariantTime(int64_t(4102444800) - 3600, &v));
    EXPECT_DOUBLE_EQ(v, Variant(2100, 1, 1, 0, 0, 0));
    ASSERT_TRUE(VariantTimeToSeconds(v, &s));
    EXPECT_EQ(s, int64_t(4102444800) - 3600);
}

TEST_F(SecondsTest, CountsWithoutALocalTimeLeaveTheOutput) {
    double v = 7;
    EXPECT_FALSE(SecondsToVariantTime(INT64_MAX, &v));
    EXPECT_FALSE(SecondsToVariantTime(-62167219200LL - 86400LL * 365 * 2000, &v));
    EXPECT_EQ(v, 7);
    int64_t s = 7;
    EXPECT_FALSE(VariantTimeToSeconds(1e9, &s));
    EXPECT_FALSE(VariantTimeToSeconds(1.0, nullptr));
    EXPECT_EQ(s, 7);
}
