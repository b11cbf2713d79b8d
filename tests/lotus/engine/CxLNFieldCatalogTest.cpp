// Field catalogues of the Notes records, field texts and setting common
// fields from text (library build).
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "common/lotus/engine/CxLNFieldCatalog.h"
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

template <class Util> void ExpectBounds(unsigned long count) {
    EXPECT_EQ(Util::GetFieldCount(), count);
    tagLNRecField out;
    EXPECT_EQ(Util::GetFieldInfo(0ul), nullptr);
    EXPECT_EQ(Util::GetFieldInfo(count), nullptr);
    EXPECT_EQ(Util::GetFieldInfo(ULONG_MAX), nullptr);
    EXPECT_FALSE(Util::GetFieldInfo(0ul, &out));
    EXPECT_FALSE(Util::GetFieldInfo(count, &out));
    EXPECT_STREQ(Util::GetFieldName(0), "");
    EXPECT_STREQ(Util::GetFieldName(count), "");
    for (unsigned long position = 1; position < count; ++position) {
        const tagLNRecField* entry = Util::GetFieldInfo(position);
        ASSERT_NE(entry, nullptr) << position;
        ASSERT_TRUE(Util::GetFieldInfo(position, &out));
        EXPECT_EQ(std::memcmp(&out, entry, sizeof out), 0);
        EXPECT_FALSE(Util::GetFieldInfo(position, nullptr));
        for (int32_t word : entry->reserved)
            EXPECT_EQ(word, 0);
        if (entry->name[0] != '\0') {
            EXPECT_EQ(static_cast<unsigned long>(entry->id), position - 1) << entry->name;
        }
    }
}

TEST(FieldCatalog, Bounds) {
    ExpectBounds<CxLNAddrUtil>(48);
    ExpectBounds<CxLNDateUtil>(28);
    ExpectBounds<CxLNTaskUtil>(31);
    ExpectBounds<CxLNNoteUtil>(0);
    EXPECT_EQ(CxLNNoteUtil::GetFieldInfo(1ul), nullptr);
}

TEST(FieldCatalog, ContactEntries) {
    const tagLNRecField* id = CxLNAddrUtil::GetFieldInfo(1ul);
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id->id, 0);
    EXPECT_STREQ(id->name, "ID");
    EXPECT_EQ(id->type, LN_FIELD_TEXT);
    EXPECT_EQ(id->size, 64);
    EXPECT_STREQ(CxLNAddrUtil::GetFieldName(3), "Middle Name / Initial");
    EXPECT_STREQ(CxLNAddrUtil::GetFieldName(46), "Category");
    const tagLNRecField* birth = CxLNAddrUtil::GetFieldInfo(47ul);
    ASSERT_NE(birth, nullptr);
    EXPECT_STREQ(birth->name, "Birth Date");
    EXPECT_EQ(birth->type, LN_FIELD_DATE);
    EXPECT_EQ(birth->size, 8);
    ASSERT_NE(CxLNAddrUtil::GetFieldInfo(45ul), nullptr);
    EXPECT_STREQ(CxLNAddrUtil::GetFieldName(45), "Note");
    EXPECT_EQ(CxLNAddrUtil::GetFieldInfo(45ul)->size, 4096);
}

TEST(FieldCatalog, CalendarSizesAreTheRecordFields) {
    struct Case {
        unsigned long position;
        const char* name;
        int32_t type;
        int32_t size;
    };
    const Case cases[] = {
        {1, "Subject", LN_FIELD_TEXT, 256},         {3, "Repeats", LN_FIELD_TEXT, 10},
        {5, "Body", LN_FIELD_TEXT, 20480},          {6, "End Date", LN_FIELD_DATE, 8},
        {12, "Start Time Zone", LN_FIELD_TEXT, 64}, {13, "End Time Zone", LN_FIELD_TEXT, 64},
    };
    for (const Case& c : cases) {
        const tagLNRecField* entry = CxLNDateUtil::GetFieldInfo(c.position);
        ASSERT_NE(entry, nullptr);
        EXPECT_STREQ(entry->name, c.name);
        EXPECT_EQ(entry->type, c.type) << c.name;
        EXPECT_EQ(entry->size, c.size) << c.name;
    }
    EXPECT_EQ(sizeof(tagCxLNDateRec::szRepeats), 10u);
    EXPECT_EQ(sizeof(tagCxLNDateRec::szStartTimeZone), 64u);
    for (unsigned long position = 14; position < 28; ++position) {
        const tagLNRecField* entry = CxLNDateUtil::GetFieldInfo(position);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->id, 0);
        EXPECT_STREQ(entry->name, "");
        EXPECT_EQ(entry->type, 0);
        EXPECT_EQ(entry->size, 0);
    }
}

TEST(FieldCatalog, TaskEntries) {
    const tagLNRecField* priv = CxLNTaskUtil::GetFieldInfo(6ul);
    ASSERT_NE(priv, nullptr);
    EXPECT_STREQ(priv->name, "Private");
    EXPECT_EQ(priv->type, LN_FIELD_FLAG);
    EXPECT_EQ(priv->size, 1);
    EXPECT_STREQ(CxLNTaskUtil::GetFieldName(17), "Alarm String");
    EXPECT_STREQ(CxLNTaskUtil::GetFieldName(18), "");
}

TEST(FieldText, ContactFields) {
    tagCxLNAddrRec rec = Zeroed<tagCxLNAddrRec>();
    std::strcpy(rec.szID, "2310");
    std::strcpy(rec.szFirstName, "Anna");
    std::strcpy(rec.szCategories, "Friends");
    rec.dtBirthday = 30000.0;
    EXPECT_EQ(CxLNAddrUtil::GetFieldText(&rec, 0), rec.szID);
    EXPECT_EQ(CxLNAddrUtil::GetFieldText(&rec, 1), rec.szFirstName);
    EXPECT_EQ(CxLNAddrUtil::GetFieldText(&rec, 45), rec.szCategories);
    for (unsigned long id : {46ul, 47ul, 48ul, ULONG_MAX}) {
        char* text = CxLNAddrUtil::GetFieldText(&rec, id);
        EXPECT_STREQ(text, "") << id;
        EXPECT_TRUE(text < reinterpret_cast<char*>(&rec) ||
                    text >= reinterpret_cast<char*>(&rec + 1))
            << id;
    }
    EXPECT_STREQ(CxLNAddrUtil::GetFieldText(nullptr, 1), "");
    EXPECT_EQ(CxLNAddrUtil::GetFieldValue(&rec, 1), nullptr);
}

TEST(FieldText, EmptyTextIsClearedOnEachCall) {
    char* empty = CxLNAddrUtil::GetFieldText(nullptr, 0);
    std::strcpy(empty, "scribbled");
    EXPECT_STREQ(CxLNAddrUtil::GetFieldText(nullptr, 0), "");
}

TEST(FieldText, CalendarFieldsStayInsideTheirField) {
    tagCxLNDateRec rec = Zeroed<tagCxLNDateRec>();
    std::strcpy(rec.szSubject, "Meeting");
    std::memset(rec.szRepeats, '1', sizeof rec.szRepeats);
    std::memset(rec.szResources, 'r', sizeof rec.szResources);
    std::strcpy(rec.szEndTimeZone, "Z=-1");
    EXPECT_EQ(CxLNDateUtil::GetFieldText(&rec, 0), rec.szSubject);
    char* repeats = CxLNDateUtil::GetFieldText(&rec, 2);
    EXPECT_EQ(repeats, rec.szRepeats);
    EXPECT_EQ(std::strlen(repeats), sizeof rec.szRepeats - 1);
    EXPECT_EQ(CxLNDateUtil::GetFieldText(&rec, 12), rec.szEndTimeZone);
    EXPECT_STREQ(CxLNDateUtil::GetFieldText(&rec, 5), "");
    EXPECT_STREQ(CxLNDateUtil::GetFieldText(&rec, 13), "");
}

TEST(FieldText, TasksAndNotesGiveEmptyTexts) {
    tagCxLNTaskRec task = Zeroed<tagCxLNTaskRec>();
    std::strcpy(task.szSubject, "Call");
    EXPECT_STREQ(CxLNTaskUtil::GetFieldText(&task, 0), "");
    tagCxLNNoteRec note = Zeroed<tagCxLNNoteRec>();
    EXPECT_STREQ(CxLNNoteUtil::GetFieldText(&note, 0), "");
}

TEST(SetFieldValueByText, ContactTable) {
    struct Case {
        unsigned long id;
        std::size_t offset;
        std::size_t chars; // 0: refused
    };
    const Case cases[] = {
        {1, offsetof(tagCommAddrRec, szFirstName), 31},
        {8, offsetof(tagCommAddrRec, szTitle), 31},
        {9, 0, 0},
        {14, 0, 0},
        {15, offsetof(tagCommAddrRec, szEmail3), 63},
        {16, 0, 0},
        {21, offsetof(tagCommAddrRec, szWorkPostal), 15},
        {44, offsetof(tagCommAddrRec, szNote), 8191},
        {45, offsetof(tagCommAddrRec, szCategory), 255},
        {0, 0, 0},
        {46, 0, 0},
        {48, 0, 0},
    };
    const std::string text(9000, 'x');
    for (const Case& c : cases) {
        tagCommAddrRec comm = Zeroed<tagCommAddrRec>();
        const bool set = CxLNAddrUtil::SetFieldValueByText(c.id, text.c_str(), &comm);
        EXPECT_EQ(set, c.chars != 0) << c.id;
        if (c.chars) {
            EXPECT_EQ(std::strlen(reinterpret_cast<const char*>(&comm) + c.offset), c.chars)
                << c.id;
        }
    }
    tagCommAddrRec comm = Zeroed<tagCommAddrRec>();
    EXPECT_FALSE(CxLNAddrUtil::SetFieldValueByText(1, nullptr, &comm));
    EXPECT_FALSE(CxLNAddrUtil::SetFieldValueByText(1, "Anna", nullptr));
}

TEST(SetFieldValueByText, OtherKinds) {
    tagCommDateRec date = Zeroed<tagCommDateRec>();
    EXPECT_TRUE(CxLNDateUtil::SetFieldValueByText(0, "Meeting", &date));
    EXPECT_TRUE(CxLNDateUtil::SetFieldValueByText(1, "Room 1", &date));
    EXPECT_TRUE(CxLNDateUtil::SetFieldValueByText(4, std::string(9000, 'n').c_str(), &date));
    EXPECT_FALSE(CxLNDateUtil::SetFieldValueByText(2, "1", &date));
    EXPECT_FALSE(CxLNDateUtil::SetFieldValueByText(28, "x", &date));
    EXPECT_STREQ(date.szDescription, "Meeting");
    EXPECT_STREQ(date.szLocation, "Room 1");
    EXPECT_EQ(std::strlen(date.szNote), 8191u);

    tagCommTaskRec task = Zeroed<tagCommTaskRec>();
    EXPECT_FALSE(CxLNTaskUtil::SetFieldValueByText(0, "Call", &task));
    tagCommNoteRec note = Zeroed<tagCommNoteRec>();
    EXPECT_FALSE(CxLNNoteUtil::SetFieldValueByText(0, "Text", &note));
}

} // namespace
