// The texts by which definitions are shown.
#include <gtest/gtest.h>

#include <string>

#include "EngineTestSupport.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

// 5 March 2011 14:07:09 and 1 January 2031 noon as Variant dates.
const double kMarch5th2011 = 40607.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0;
const double kJanuary2031 = 47849.5;

tagFUFieldInfo RowOfType(int type) {
    tagFUFieldInfo row{};
    row.nKey = 99;
    row.nType = type;
    return row;
}

tagFUFieldUpdate WithBool(uint8_t value) {
    tagFUFieldUpdate def = NewDefinition(5);
    def.bValue = value;
    return def;
}

tagFUFieldUpdate WithInt(int32_t value) {
    tagFUFieldUpdate def = NewDefinition(99);
    def.nValue = value;
    return def;
}

tagFUFieldUpdate WithDate(double value, int32_t set) {
    tagFUFieldUpdate def = NewDefinition(46);
    def.dtValue = value;
    def.nDateSet = set;
    return def;
}

TEST(DescribeUpdate, Texts) {
    const tagFUFieldInfo* firstName = CxVXLNAddrUtil::FindUpdateField(1);
    const tagFUFieldInfo* birth = CxVXLNAddrUtil::FindUpdateField(46);
    const tagFUFieldInfo* start = CxVXLNDateUtil::FindUpdateField(9);
    const tagFUFieldInfo* importance = CxVXLNTaskUtil::FindUpdateField(4);
    const tagFUFieldInfo* isPrivate = CxVXLNTaskUtil::FindUpdateField(5);
    tagFUFieldInfo integer = RowOfType(FU_TYPE_INTEGER);
    tagFUFieldInfo unknown = RowOfType(7);
    tagFUFieldInfo choice = RowOfType(FU_TYPE_ENUM);
    choice.nEnumCount = 3;
    choice.nEnumValues[0] = 1;
    choice.nEnumValues[1] = 2;
    choice.nEnumValues[2] = 2;
    CxStrCopy(choice.szEnumNames[0], "Low");
    CxStrCopy(choice.szEnumNames[1], "High");
    CxStrCopy(choice.szEnumNames[2], "Urgent");

    struct Case {
        const tagFUFieldInfo* row;
        tagFUFieldUpdate def;
        const char* text;
    } cases[] = {
        {firstName, TextDefinition(1, FU_OP_SET, "Smith"), "Set value to \"Smith\""},
        {firstName, TextDefinition(1, FU_OP_APPEND, "son"), "Append \"son\" to the field."},
        {firstName, TextDefinition(1, FU_OP_INSERT, "abc", "", 3), "Insert \"abc\" at position 3"},
        {firstName, TextDefinition(1, FU_OP_INSERT, "abc", "", 0), "Insert \"abc\" at position 0"},
        {firstName, TextDefinition(1, FU_OP_REPLACE, "new", "old"), "Replace \"old\" with \"new\""},
        {firstName, TextDefinition(1, FU_OP_NONE, "x"), "<Unknown>"},
        {isPrivate, WithBool(0), "Set value to \"False(No)\""},
        {isPrivate, WithBool(1), "Set value to \"True(Yes)\""},
        {&integer, WithInt(-7), "Set value to \"-7\""},
        {importance, WithInt(0), "Set value to \"<Not Specified>\""}, // the row has no entries
        {&choice, WithInt(2), "Set value to \"High\""}, // the first entry with the value
        {&choice, WithInt(3), "Set value to \"<Not Specified>\""},
        {birth, WithDate(kMarch5th2011, 1), "Set value to \"03/05/2011\""},
        {birth, WithDate(kMarch5th2011, 0),
         "Set value to \"03/05/2011\""}, // nDateSet is not consulted
        {birth, WithDate(kJanuary2031, 1), "Set value to \"\""},
        {start, WithDate(kMarch5th2011, 1), "Set value to \"03/05/2011 14:07:09\""},
        {&unknown, WithInt(1), "<Unknown>"},
        {nullptr, WithInt(1), "<Unknown>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DescribeUpdate(c.row, &c.def), c.text);
    EXPECT_EQ(DescribeUpdate(firstName, nullptr), "<Unknown>");
}

TEST(DescribeUpdate, FullTextsAreNotCut) {
    std::string find(255, 'f'), value(255, 'v');
    tagFUFieldUpdate def = TextDefinition(1, FU_OP_REPLACE, value.c_str(), find.c_str());
    EXPECT_EQ(DescribeUpdate(CxVXLNAddrUtil::FindUpdateField(1), &def),
              "Replace \"" + find + "\" with \"" + value + "\"");
}

TEST(GetFieldTypeName, KnownAndUnknownCodes) {
    EXPECT_STREQ(GetFieldTypeName(0), "");
    EXPECT_STREQ(GetFieldTypeName(7), "");
    EXPECT_STREQ(GetFieldTypeName(-1), "");
    EXPECT_STREQ(GetFieldTypeName(1), "String");
    EXPECT_STREQ(GetFieldTypeName(3), "Date & Time");
    EXPECT_STREQ(GetFieldTypeName(6), "Enumeration");
}

} // namespace
