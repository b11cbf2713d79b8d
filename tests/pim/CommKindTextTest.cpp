// Text forms of calendar entries, tasks and notes.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

#include "CivilTime.h"
#include "common/misc/CxString.h"
#include "common/pim/CommDateMgr.h"
#include "common/pim/CommNoteMgr.h"
#include "common/pim/CommTaskMgr.h"

namespace {

template <class Mgr, class Rec>
std::string TextOf(const Rec& rec, int key, std::size_t size = 512) {
    tagCommFieldInfo row{};
    row.nKey = key;
    std::string buffer(size, 'x');
    EXPECT_TRUE(Mgr::GetCommFieldText(&rec, &row, &buffer[0], size)) << key;
    return buffer.c_str();
}

// Seconds since 1970 of a local noon.
int32_t LocalNoon(int year, int month, int day) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return static_cast<int32_t>(std::mktime(&tm));
}

SYSTEMTIME (&Moment)(int, int, int, int, int, int) = testsupport::CivilTime;

TEST(CommDateText, FieldsByKey) {
    tagCommDateRec rec;
    std::memset(&rec, 0, sizeof rec);
    CxStrCopy(rec.szDescription, "Review");
    rec.stStart = Moment(2011, 3, 5, 14, 7, 9);
    rec.stEnd = Moment(2011, 3, 5, 15, 30, 0);
    rec.nPrivate = 1;
    rec.nImportance = 2;
    rec.nRepeatKind = 0;
    struct Case {
        int key;
        const char* text;
    } cases[] = {
        {1, "Review"},
        {2, "14:07:09"},
        {3, "15:30:00"},
        {4, "03/05/2011 14:07:09"},
        {5, "03/05/2011 15:30:00"},
        {6, "03/05/2011"},
        {8, "Yes"},
        {10, ""},
        {12, "No"},
        {14, "Repeat Info"},
        {15, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ((TextOf<CommDateMgr>(rec, c.key)), c.text) << c.key;
    rec.nRepeatKind = 2;
    rec.nRepeatInterval = 3;
    EXPECT_EQ((TextOf<CommDateMgr>(rec, 14)), "Repeat Info");
}

TEST(CommDateText, ATextIsCutToTheBuffer) {
    tagCommDateRec rec{};
    CxStrCopy(rec.szLocation, "Conference room");
    EXPECT_EQ((TextOf<CommDateMgr>(rec, 9, 5)), "Conf");
}

TEST(CommTaskText, PriorityTexts) {
    tagCommTaskRec rec{};
    struct Case {
        int32_t priority;
        const char* text;
    } cases[] = {{1, "High"}, {2, "Low"}, {3, "Normal"}, {0, "Normal"}, {-1, "Normal"}};
    for (const Case& c : cases) {
        rec.nPriority = c.priority;
        EXPECT_EQ((TextOf<CommTaskMgr>(rec, 2)), c.text) << c.priority;
    }
}

TEST(CommTaskText, DueDateWindow) {
    tagCommTaskRec rec{};
    struct Case {
        int32_t due;
        const char* text;
    } cases[] = {
        {0, "N/A"},                             // no due date
        {LocalNoon(1999, 12, 31), "N/A"},       // before 2000
        {LocalNoon(2000, 1, 1), "01/01/2000"},  //
        {LocalNoon(2019, 6, 15), "06/15/2019"}, //
        {LocalNoon(2025, 2, 28), "02/28/2025"}, // after 2020 is a real date
        {LocalNoon(2030, 12, 31), "12/31/2030"},
        {LocalNoon(2031, 1, 1), ""}, // the date text's own rule
    };
    for (const Case& c : cases) {
        rec.nDueDate = c.due;
        EXPECT_EQ((TextOf<CommTaskMgr>(rec, 4)), c.text) << c.due;
    }
}

TEST(CommTaskText, FlagsTextsAndRows) {
    tagCommTaskRec rec{};
    CxStrCopy(rec.szSubject, "Call");
    CxStrCopy(rec.szCategory, "Work");
    rec.bCompleted = 1;
    rec.bPrivate = 1;
    EXPECT_EQ((TextOf<CommTaskMgr>(rec, 0)), "Call");
    EXPECT_EQ((TextOf<CommTaskMgr>(rec, 3)), "Yes");
    EXPECT_EQ((TextOf<CommTaskMgr>(rec, 5)), "No");
    EXPECT_EQ((TextOf<CommTaskMgr>(rec, 6)), "Yes");
    EXPECT_EQ((TextOf<CommTaskMgr>(rec, 7)), "Work");
    tagCommFieldInfo row{};
    ASSERT_TRUE(CommTaskMgr::GetCommFieldInfo(1, &row));
    EXPECT_STREQ(row.szName, "Note");
    EXPECT_EQ(row.nSize, 8192);
    EXPECT_FALSE(CommTaskMgr::GetCommFieldInfo(8, &row));
}

TEST(CommNoteText, ColorAndTimes) {
    tagCommNoteRec rec{};
    rec.nColor = 65280;
    rec.dtCreationTime = 40607.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0;
    rec.dtLastModificationTime = 1.0e7; // beyond the year 9999: no text
    EXPECT_EQ((TextOf<CommNoteMgr>(rec, 0)), "#00ff00");
    EXPECT_EQ((TextOf<CommNoteMgr>(rec, 5)), "03-05-2011 14:07:09");
    EXPECT_EQ((TextOf<CommNoteMgr>(rec, 6)), "");
    EXPECT_EQ((TextOf<CommNoteMgr>(rec, 9)), "");
    rec.nColor = 0xabcdef;
    EXPECT_EQ((TextOf<CommNoteMgr>(rec, 0)), "#abcdef");
}

TEST(CommCatalogues, RowsOfTheSmallKinds) {
    tagCommFieldInfo row{};
    ASSERT_TRUE(CommDateMgr::GetCommFieldInfo(14, &row));
    EXPECT_STREQ(row.szName, "Repeat");
    EXPECT_EQ(row.nSize, 256);
    EXPECT_FALSE(CommDateMgr::GetCommFieldInfo(0, &row));
    EXPECT_FALSE(CommDateMgr::GetCommFieldInfo(15, &row));
    ASSERT_TRUE(CommNoteMgr::GetCommFieldInfo(3, &row));
    EXPECT_EQ(row.nSize, 20480);
    ASSERT_TRUE(CommNoteMgr::GetCommFieldInfo(10, &row));
    EXPECT_STREQ(row.szName, "ID(String)");
    EXPECT_FALSE(CommNoteMgr::GetCommFieldInfo(11, &row));
    EXPECT_FALSE(CommNoteMgr::GetCommFieldInfo(2, nullptr));
}

} // namespace
