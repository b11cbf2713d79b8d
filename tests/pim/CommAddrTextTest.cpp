// The contact catalogue and the text forms of a contact's fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/misc/CxString.h"
#include "common/pim/CommAddrCatalog.h"
#include "common/pim/CommAddrMgr.h"

namespace {

// 5 March 2011 14:07:09 as a Variant date.
const double kMarch5th2011 = 40607.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0;

class CommAddrTextTest : public ::testing::Test {
protected:
    CommAddrTextTest() { std::memset(&rec, 0, sizeof rec); }

    // The text of `key`, with the result in `ok`; `size` is the buffer's size.
    std::string Text(int key, bool* ok, std::size_t size = 1024) {
        tagCommFieldInfo row{};
        EXPECT_TRUE(CommAddrMgr::GetCommFieldInfo(key, &row)) << key;
        std::vector<char> buffer(size, 'x');
        *ok = CommAddrMgr::GetCommFieldText(&rec, &row, buffer.data(), size);
        EXPECT_EQ(buffer[size - 1], '\0');
        return buffer.data();
    }

    tagCommAddrRec rec;
};

TEST(CommAddrCatalog, KeyOrderButForThreePairs) {
    std::vector<int> keys;
    for (int i = 0; i < g_nCommAddrFieldCount; ++i)
        keys.push_back(g_aCommAddrFields[i].info.nKey);
    std::vector<int> expected;
    for (int key = 1; key <= 90; ++key)
        expected.push_back(key);
    std::swap(expected[39], expected[40]); // 41 before 40
    std::swap(expected[53], expected[54]); // 55 before 54
    std::swap(expected[65], expected[66]); // 67 before 66
    EXPECT_EQ(keys, expected);
}

TEST(CommAddrCatalog, RowsByKey) {
    struct Case {
        int key;
        const char* name;
        int type;
        int size;
    } cases[] = {
        {7, "Display Name", COMM_FIELD_TEXT, 32},    {8, "Gender", COMM_FIELD_INT, 4},
        {43, "Note", COMM_FIELD_TEXT, 8192},         {62, "Children's Names", COMM_FIELD_TEXT, 32},
        {67, "Birthday", COMM_FIELD_DATE, 8},        {81, "Private", COMM_FIELD_FLAG, 4},
        {90, "Custom Label 9", COMM_FIELD_TEXT, 64},
    };
    for (const Case& c : cases) {
        tagCommFieldInfo row{};
        ASSERT_TRUE(CommAddrMgr::GetCommFieldInfo(c.key, &row)) << c.key;
        EXPECT_EQ(row.nKey, c.key);
        EXPECT_STREQ(row.szName, c.name);
        EXPECT_EQ(row.nType, c.type) << c.name;
        EXPECT_EQ(row.nSize, c.size) << c.name;
    }
    tagCommFieldInfo row{};
    EXPECT_FALSE(CommAddrMgr::GetCommFieldInfo(99, &row));
    EXPECT_FALSE(CommAddrMgr::GetCommFieldInfo(0, &row));
    EXPECT_FALSE(CommAddrMgr::GetCommFieldInfo(1, nullptr));
}

TEST_F(CommAddrTextTest, TextFieldsAndTheWidthRule) {
    CxStrCopy(rec.szWorkPhone, "555-0100");
    CxStrCopy(rec.szNote, "a note");
    CxStrCopy(rec.szFirstName, "Ann");
    bool ok = false;
    EXPECT_EQ(Text(25, &ok), "555-0100");
    EXPECT_TRUE(ok);
    EXPECT_EQ(Text(43, &ok, 1024), "");
    EXPECT_FALSE(ok) << "the note is 8192 bytes wide";
    EXPECT_EQ(Text(43, &ok, 8193), "a note");
    EXPECT_TRUE(ok);
    EXPECT_EQ(Text(1, &ok, 32), "");
    EXPECT_FALSE(ok) << "a buffer as wide as the field is too small";
    EXPECT_EQ(Text(1, &ok, 33), "Ann");
    EXPECT_TRUE(ok);
}

TEST_F(CommAddrTextTest, AFullFieldIsNeverReadPastItsEnd) {
    std::memset(rec.szPrefix, 'p', sizeof rec.szPrefix); // no terminator
    bool ok = false;
    EXPECT_EQ(Text(4, &ok), std::string(31, 'p'));
    EXPECT_TRUE(ok);
}

TEST_F(CommAddrTextTest, KeysWithoutTextForm) {
    CxStrCopy(rec.szEmail2, "b@example.com");
    CxStrCopy(rec.szID, "4711");
    rec.nPrivate = 1;
    rec.nStatus = 2;
    for (int key : {38, 39, 61, 62, 79, 80, 81}) {
        bool ok = true;
        EXPECT_EQ(Text(key, &ok), "") << key;
        EXPECT_FALSE(ok) << key;
    }
}

TEST_F(CommAddrTextTest, IntegersAndDates) {
    struct Case {
        int key;
        int32_t sourceType;
        const char* text;
        bool ok;
    } cases[] = {
        {78, 9, "Domino", true},    {78, 2, "Palm(4.1.2 and aboves)", true},
        {78, 15, "Tellibox", true}, {78, 0, "", false},
        {78, 16, "", false},        {8, 9, "", true}, // "Gender" has an empty text
    };
    for (const Case& c : cases) {
        rec.nSourceType = c.sourceType;
        rec.nGender = 1;
        bool ok = !c.ok;
        EXPECT_EQ(Text(c.key, &ok), c.text) << c.key << " " << c.sourceType;
        EXPECT_EQ(ok, c.ok) << c.key << " " << c.sourceType;
    }
    rec.dtBirthday = kMarch5th2011;
    bool ok = false;
    EXPECT_EQ(Text(67, &ok), "03/05/2011 14:07:09");
    EXPECT_TRUE(ok);
}

TEST(CommAddrText, MissingArguments) {
    tagCommAddrRec rec{};
    tagCommFieldInfo row{};
    ASSERT_TRUE(CommAddrMgr::GetCommFieldInfo(1, &row));
    char buffer[64];
    EXPECT_FALSE(CommAddrMgr::GetCommFieldText(nullptr, &row, buffer, sizeof buffer));
    EXPECT_FALSE(CommAddrMgr::GetCommFieldText(&rec, nullptr, buffer, sizeof buffer));
    EXPECT_FALSE(CommAddrMgr::GetCommFieldText(&rec, &row, nullptr, sizeof buffer));
    EXPECT_FALSE(CommAddrMgr::GetCommFieldText(&rec, &row, buffer, 0));
}

} // namespace
