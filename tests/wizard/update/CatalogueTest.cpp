// The three updatable-field catalogues, through their static lookups.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

template <class Engine> void ExpectPlainRows() {
    for (int i = 0; i < Engine::GetUpdateFieldCount(); ++i) {
        const tagFUFieldInfo* row = Engine::GetUpdateFieldInfo(i);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->szDesc, row->szName);
        EXPECT_EQ(row->nEnumCount, 0) << row->szName;
        EXPECT_EQ(Engine::FindUpdateField(row->nKey), row) << row->szName;
    }
    EXPECT_EQ(Engine::GetUpdateFieldInfo(-1), nullptr);
    EXPECT_EQ(Engine::GetUpdateFieldInfo(Engine::GetUpdateFieldCount()), nullptr);
}

TEST(Catalogue, EveryKindHasPlainRowsAndBoundedPositions) {
    EXPECT_EQ(CxVXLNAddrUtil::GetUpdateFieldCount(), 46);
    EXPECT_EQ(CxVXLNDateUtil::GetUpdateFieldCount(), 6);
    EXPECT_EQ(CxVXLNTaskUtil::GetUpdateFieldCount(), 8);
    ExpectPlainRows<CxVXLNAddrUtil>();
    ExpectPlainRows<CxVXLNDateUtil>();
    ExpectPlainRows<CxVXLNTaskUtil>();
}

TEST(Catalogue, ContactKeysSkip45) {
    EXPECT_EQ(CxVXLNAddrUtil::FindUpdateField(45), nullptr);
    EXPECT_EQ(CxVXLNAddrUtil::FindUpdateField(0), nullptr);
    EXPECT_EQ(CxVXLNAddrUtil::FindUpdateField(48), nullptr);
    const tagFUFieldInfo* last = CxVXLNAddrUtil::GetUpdateFieldInfo(45);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->nKey, 47);
    EXPECT_STREQ(last->szName, "Anniversary");
    const tagFUFieldInfo* birth = CxVXLNAddrUtil::FindUpdateField(46);
    ASSERT_NE(birth, nullptr);
    EXPECT_STREQ(birth->szName, "Birth Date");
    EXPECT_EQ(birth->nType, FU_TYPE_DATE);
    EXPECT_EQ(CxVXLNAddrUtil::GetUpdateFieldInfo(44), birth);
}

TEST(Catalogue, RowsThatMatter) {
    struct Case {
        const tagFUFieldInfo* row;
        int key;
        const char* name;
        int type;
        int maxLen;
    } cases[] = {
        {CxVXLNAddrUtil::GetUpdateFieldInfo(1), 2, "Middle Name / Initial", FU_TYPE_STRING, 64},
        {CxVXLNAddrUtil::FindUpdateField(5), 5, "Display Name", FU_TYPE_STRING, 256},
        {CxVXLNAddrUtil::FindUpdateField(44), 44, "Note", FU_TYPE_STRING, 4096},
        {CxVXLNDateUtil::FindUpdateField(0), 0, "Subject", FU_TYPE_STRING, 256},
        {CxVXLNDateUtil::GetUpdateFieldInfo(2), 9, "Start Date & Time", FU_TYPE_DATETIME, 8},
        {CxVXLNDateUtil::FindUpdateField(4), 4, "Body", FU_TYPE_STRING, 20480},
        {CxVXLNTaskUtil::FindUpdateField(4), 4, "Importance", FU_TYPE_ENUM, 4},
        {CxVXLNTaskUtil::FindUpdateField(5), 5, "Private", FU_TYPE_BOOLEAN, 1},
        {CxVXLNTaskUtil::GetUpdateFieldInfo(4), 6, "Task Type", FU_TYPE_STRING, 32},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.row, nullptr) << c.name;
        EXPECT_EQ(c.row->nKey, c.key) << c.name;
        EXPECT_STREQ(c.row->szName, c.name);
        EXPECT_EQ(c.row->nType, c.type) << c.name;
        EXPECT_EQ(c.row->nMaxLen, c.maxLen) << c.name;
    }
}

// Filling any text field to its catalogue length touches no other field:
// the lengths never exceed the record's buffers.
template <class Engine> void ExpectTextFieldsFitTheRecord() {
    for (int i = 0; i < Engine::GetUpdateFieldCount(); ++i) {
        const tagFUFieldInfo* row = Engine::GetUpdateFieldInfo(i);
        if (row->nType != FU_TYPE_STRING)
            continue;
        auto* rec = new typename Engine::Record();
        char* field = Engine::GetTextField(rec, row->nKey);
        ASSERT_NE(field, nullptr) << row->szName;
        ASSERT_LE(field - reinterpret_cast<char*>(rec) + row->nMaxLen,
                  static_cast<std::ptrdiff_t>(sizeof(typename Engine::Record)))
            << row->szName;
        std::memset(field, 'x', static_cast<std::size_t>(row->nMaxLen - 1));
        for (int j = 0; j < Engine::GetUpdateFieldCount(); ++j) {
            const tagFUFieldInfo* other = Engine::GetUpdateFieldInfo(j);
            if (other != row && other->nType == FU_TYPE_STRING) {
                EXPECT_EQ(*Engine::GetTextField(rec, other->nKey), '\0')
                    << row->szName << " spills into " << other->szName;
            }
            if (other->nType == FU_TYPE_DATE || other->nType == FU_TYPE_DATETIME) {
                EXPECT_EQ(*Engine::GetDateField(rec, other->nKey), 0.0) << row->szName;
            }
        }
        EXPECT_EQ(field[row->nMaxLen - 1], '\0')
            << row->szName << " has no room for its terminator";
        delete rec;
    }
}

TEST(Catalogue, TextLengthsFitTheRecordFields) {
    ExpectTextFieldsFitTheRecord<CxVXLNAddrUtil>();
    ExpectTextFieldsFitTheRecord<CxVXLNDateUtil>();
    ExpectTextFieldsFitTheRecord<CxVXLNTaskUtil>();
}

} // namespace
