// Conversions between Notes records and common records, both ways (library build).
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "common/lotus/binding/CxLNCommon.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNTask.h"

namespace {

template <class Rec> Rec Zeroed() {
    Rec rec;
    std::memset(&rec, 0, sizeof rec);
    return rec;
}

TEST(AddrConv, RefusesMissingRecords) {
    tagCxLNAddrRec notes = Zeroed<tagCxLNAddrRec>();
    tagCommAddrRec comm = Zeroed<tagCommAddrRec>();
    EXPECT_FALSE(CxLNAddrUtil::ToCommRec(nullptr, &comm));
    EXPECT_FALSE(CxLNAddrUtil::ToCommRec(&notes, nullptr));
    EXPECT_FALSE(CxLNAddrUtil::FromCommRec(nullptr, &notes));
    EXPECT_FALSE(CxLNAddrUtil::FromCommRec(&comm, nullptr));
}

TEST(AddrConv, TextsAreCutPerDirection) {
    tagCxLNAddrRec notes = Zeroed<tagCxLNAddrRec>();
    std::strcpy(notes.szDisplayName, std::string(100, 'd').c_str());
    std::strcpy(notes.szBusinessPostal, std::string(31, 'p').c_str());
    std::strcpy(notes.szAssistantPhone, "a@example.org");
    std::strcpy(notes.szNote, std::string(4095, 'n').c_str());
    std::strcpy(notes.szCategories, "no counterpart");
    std::strcpy(notes.szID, "77");
    notes.dtBirthday = 30000.0;
    notes.dtAnniversary = 30001.0;
    tagCommAddrRec comm = Zeroed<tagCommAddrRec>();
    ASSERT_TRUE(CxLNAddrUtil::ToCommRec(&notes, &comm));
    EXPECT_EQ(std::string(comm.szDisplayName), std::string(31, 'd'));
    EXPECT_EQ(std::string(comm.szWorkPostal), std::string(15, 'p'));
    EXPECT_STREQ(comm.szEmail3, "a@example.org");
    EXPECT_EQ(std::strlen(comm.szNote), 4095u);
    EXPECT_STREQ(comm.szID, "");
    EXPECT_STREQ(comm.szCategory, "");
    EXPECT_EQ(comm.dtBirthday, 30000.0);
    EXPECT_EQ(comm.dtAnniversary, 30001.0);
    EXPECT_EQ(comm.nSourceType, 9);

    tagCommAddrRec big = Zeroed<tagCommAddrRec>();
    std::strcpy(big.szNote, std::string(8191, 'm').c_str());
    std::strcpy(big.szWorkStreet, std::string(255, 's').c_str());
    tagCxLNAddrRec back = Zeroed<tagCxLNAddrRec>();
    std::strcpy(back.szID, "kept");
    ASSERT_TRUE(CxLNAddrUtil::FromCommRec(&big, &back));
    EXPECT_EQ(std::strlen(back.szNote), 4095u);
    EXPECT_EQ(std::strlen(back.szBusinessStreet), 255u);
    EXPECT_STREQ(back.szID, "kept");
}

TEST(AddrConv, HomePhoneRoundTrips) {
    tagCxLNAddrRec notes = Zeroed<tagCxLNAddrRec>();
    std::strcpy(notes.szHomePhone, "+1 555 0100");
    tagCommAddrRec comm = Zeroed<tagCommAddrRec>();
    ASSERT_TRUE(CxLNAddrUtil::ToCommRec(&notes, &comm));
    tagCxLNAddrRec back = Zeroed<tagCxLNAddrRec>();
    ASSERT_TRUE(CxLNAddrUtil::FromCommRec(&comm, &back));
    EXPECT_STREQ(back.szHomePhone, "+1 555 0100");
}

TEST(TaskConv, PriorityMapsThroughImportance) {
    const struct {
        int32_t priority;
        int32_t importance;
        int32_t back;
    } cases[] = {{1, 0, 1}, {2, 2, 2}, {3, 1, 0}, {0, 1, 0}};
    for (const auto& c : cases) {
        tagCommTaskRec comm = Zeroed<tagCommTaskRec>();
        comm.nPriority = c.priority;
        tagCxLNTaskRec notes = Zeroed<tagCxLNTaskRec>();
        ASSERT_TRUE(CxLNTaskUtil::FromCommRec(&comm, &notes));
        EXPECT_EQ(notes.nImportance, c.importance) << c.priority;
        tagCommTaskRec back = Zeroed<tagCommTaskRec>();
        ASSERT_TRUE(CxLNTaskUtil::ToCommRec(&notes, &back));
        EXPECT_EQ(back.nPriority, c.back) << c.priority;
        EXPECT_EQ(back.nSource, 9);
    }
}

TEST(TaskConv, DueDateZeroStaysZeroBothWays) {
    tagCommTaskRec comm = Zeroed<tagCommTaskRec>();
    tagCxLNTaskRec notes = Zeroed<tagCxLNTaskRec>();
    notes.dtDueDate = 39000.0;
    ASSERT_TRUE(CxLNTaskUtil::FromCommRec(&comm, &notes));
    EXPECT_EQ(notes.dtDueDate, 0.0);
    comm.nDueDate = 12345;
    ASSERT_TRUE(CxLNTaskUtil::ToCommRec(&notes, &comm));
    EXPECT_EQ(comm.nDueDate, 0);
}

TEST(TaskConv, DueDateSecondsRoundTrip) {
    double due = 0.0;
    ASSERT_TRUE(SecondsToVariantTime(1173000000, &due));
    tagCxLNTaskRec notes = Zeroed<tagCxLNTaskRec>();
    notes.dtDueDate = due;
    std::strcpy(notes.szSubject, "Report");
    std::strcpy(notes.szBody, "body");
    notes.bPrivate = 1;
    tagCommTaskRec comm = Zeroed<tagCommTaskRec>();
    ASSERT_TRUE(CxLNTaskUtil::ToCommRec(&notes, &comm));
    EXPECT_EQ(comm.nDueDate, 1173000000);
    EXPECT_STREQ(comm.szSubject, "Report");
    EXPECT_STREQ(comm.szNote, "body");
    EXPECT_EQ(comm.bPrivate, 1);
    tagCxLNTaskRec back = Zeroed<tagCxLNTaskRec>();
    ASSERT_TRUE(CxLNTaskUtil::FromCommRec(&comm, &back));
    EXPECT_EQ(back.dtDueDate, due);
    EXPECT_EQ(back.bPrivate, 1);
    EXPECT_STREQ(back.szSubject, "Report");
}

// One repeat kind per row: what FromCommRec writes, and the kind ToCommRec reads back.
struct RepeatCase {
    int kind;
    const char* how;
    const char* unit;
    const char* forUnit;
    const char* adjust;
    int backKind;
};

// Keeps the test names that CTest sees free of object bytes.
void PrintTo(const RepeatCase& c, std::ostream* os) {
    *os << c.kind;
}

class RepeatKinds : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatKinds, BothWays) {
    const RepeatCase& c = GetParam();
    tagCommDateRec comm = Zeroed<tagCommDateRec>();
    comm.stStart = {2007, 3, 0, 15, 9, 30, 0, 0};
    comm.stEnd = {2007, 3, 0, 15, 10, 0, 0, 0};
    comm.nRepeatKind = c.kind;
    comm.nRepeatInterval = 2;
    comm.nRepeatWeekday = 4;
    comm.nRepeatDay = 15;
    comm.bRepeatUntil = 1;
    comm.stRepeatUntil = {2007, 6, 0, 30, 0, 0, 0, 0};
    tagCxLNDateRec notes = Zeroed<tagCxLNDateRec>();
    std::strcpy(notes.szRepeatFromEnd, "x");
    ASSERT_TRUE(CxLNDateUtil::FromCommRec(&comm, &notes));
    EXPECT_STREQ(notes.szRepeats, "1");
    EXPECT_STREQ(notes.szRepeatHow, c.how);
    EXPECT_STREQ(notes.szRepeatUnit, c.unit);
    EXPECT_STREQ(notes.szRepeatForUnit, c.forUnit);
    EXPECT_STREQ(notes.szRepeatInterval, "2");
    EXPECT_STREQ(notes.szRepeatAdjust, c.adjust);
    EXPECT_STREQ(notes.szRepeatFromEnd, "");
    EXPECT_EQ(notes.nRepeatFor, 5);
    double start = 0, until = 0;
    ASSERT_TRUE(SystemTimeToVariantTime(&comm.stStart, &start));
    ASSERT_TRUE(SystemTimeToVariantTime(&comm.stRepeatUntil, &until));
    EXPECT_EQ(notes.dtStartDateTime, start);
    EXPECT_EQ(notes.dtRepeatStartDate, 39156.0);
    EXPECT_EQ(notes.dtRepeatCustom, 39156.0);
    EXPECT_EQ(notes.dtRepeatUntil, until);

    tagCommDateRec back = Zeroed<tagCommDateRec>();
    back.nRepeatKind = 5;
    ASSERT_TRUE(CxLNDateUtil::ToCommRec(&notes, &back));
    EXPECT_EQ(back.nRepeatKind, c.backKind);
    EXPECT_EQ(back.nRepeatInterval, 2);
    EXPECT_EQ(back.nRepeatWeekday, c.backKind == 2 || c.backKind == 3 ? 4 : 0);
    EXPECT_EQ(back.nRepeatDay, c.backKind == 4 || c.backKind == 6 ? 15 : 0);
    EXPECT_EQ(back.nRepeatMonth, c.backKind == 6 ? 3 : 0);
    EXPECT_EQ(back.bRepeatUntil, 0);
    EXPECT_EQ(back.stStart.wHour, 9);
    EXPECT_EQ(back.stStart.wMinute, 30);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RepeatKinds,
    ::testing::Values(RepeatCase{1, "D", "D", "D", "", 1}, RepeatCase{2, "W", "W", "W", "4", 2},
                      RepeatCase{3, "M", "MP", "M", "4", 3}, RepeatCase{4, "M", "MD", "M", "15", 4},
                      RepeatCase{5, "Y", "Y", "Y", "", 6}, RepeatCase{6, "Y", "Y", "Y", "", 6}),
    [](const ::testing::TestParamInfo<RepeatCase>& info) {
        return "Kind" + std::to_string(info.param.kind);
    });

TEST(DateConv, NoRepeatAndUnknownUnits) {
    tagCommDateRec comm = Zeroed<tagCommDateRec>();
    tagCxLNDateRec notes = Zeroed<tagCxLNDateRec>();
    std::strcpy(notes.szRepeats, "1");
    std::strcpy(notes.szRepeatUnit, "W");
    notes.nRepeatFor = 3;
    ASSERT_TRUE(CxLNDateUtil::FromCommRec(&comm, &notes));
    EXPECT_STREQ(notes.szRepeats, "");
    EXPECT_STREQ(notes.szRepeatUnit, "W"); // nothing else changes
    EXPECT_EQ(notes.nRepeatFor, 3);

    comm.nRepeatKind = 4;
    ASSERT_TRUE(CxLNDateUtil::ToCommRec(&notes, &comm));
    EXPECT_EQ(comm.nRepeatKind, 0);

    std::strcpy(notes.szRepeats, "1");
    std::strcpy(notes.szRepeatUnit, "Q");
    comm.nRepeatKind = 4;
    ASSERT_TRUE(CxLNDateUtil::ToCommRec(&notes, &comm));
    EXPECT_EQ(comm.nRepeatKind, 4);
}

TEST(DateConv, TextsPrivateAndSource) {
    tagCxLNDateRec notes = Zeroed<tagCxLNDateRec>();
    std::strcpy(notes.szSubject, std::string(255, 's').c_str());
    std::strcpy(notes.szBody, std::string(10000, 'b').c_str());
    notes.bPrivate = 1;
    tagCommDateRec comm = Zeroed<tagCommDateRec>();
    ASSERT_TRUE(CxLNDateUtil::ToCommRec(&notes, &comm));
    EXPECT_EQ(std::strlen(comm.szDescription), 255u);
    EXPECT_EQ(std::strlen(comm.szNote), 8191u);
    EXPECT_EQ(comm.nPrivate, 1);
    EXPECT_EQ(comm.nSource, 9);
    comm.nPrivate = 5;
    tagCxLNDateRec back = Zeroed<tagCxLNDateRec>();
    ASSERT_TRUE(CxLNDateUtil::FromCommRec(&comm, &back));
    EXPECT_EQ(back.bPrivate, 1);
    EXPECT_EQ(std::strlen(back.szBody), 8191u);
}

TEST(NoteConv, OnlyTheSource) {
    tagCxLNNoteRec notes = Zeroed<tagCxLNNoteRec>();
    tagCommNoteRec comm = Zeroed<tagCommNoteRec>();
    ASSERT_TRUE(CxLNNoteUtil::ToCommRec(&notes, &comm));
    EXPECT_EQ(comm.nSource, 9);
    comm.nColor = 0xFF0000;
    ASSERT_TRUE(CxLNNoteUtil::FromCommRec(&comm, &notes));
    EXPECT_EQ(notes.nAction, 0);
    EXPECT_FALSE(CxLNNoteUtil::FromCommRec(nullptr, &notes));
    EXPECT_FALSE(CxLNNoteUtil::ToCommRec(&notes, nullptr));
}

} // namespace
