// Items of an open note: order, replacement, append, delete, reads.
#include "NotesInstall.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using notestest::NotesInstall;

namespace {

struct ScannedItem {
    std::string name;
    WORD flags;
    WORD type;
    std::string value; // after the type word
    DWORD length;      // as the callback was told
};

STATUS LNCALLBACK Collect(WORD, WORD flags, char* name, WORD nameLength, void* value,
                          DWORD valueLength, void* param) {
    const unsigned char* bytes = static_cast<const unsigned char*>(value);
    ScannedItem item;
    item.name.assign(name, nameLength);
    item.flags = flags;
    item.type = static_cast<WORD>(bytes[0] | (bytes[1] << 8));
    item.value.assign(reinterpret_cast<const char*>(bytes + 2), valueLength - 2);
    item.length = valueLength;
    static_cast<std::vector<ScannedItem>*>(param)->push_back(item);
    return NOERROR;
}

class Items : public ::testing::Test {
protected:
    void SetUp() override {
        install.CreateDatabase("items.nsf");
        ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
        ASSERT_EQ(NSFDbOpen("items.nsf", &db), NOERROR);
        ASSERT_EQ(NSFNoteCreate(db, &note), NOERROR);
    }

    std::vector<ScannedItem> Scan() {
        std::vector<ScannedItem> items;
        EXPECT_EQ(NSFItemScan(note, Collect, &items), NOERROR);
        return items;
    }

    std::vector<std::string> ItemValues() {
        std::vector<std::string> names;
        for (const ScannedItem& item : Scan())
            names.push_back(item.name + "=" + item.value);
        return names;
    }

    NotesInstall install;
    DBHANDLE db = NULLHANDLE;
    NOTEHANDLE note = NULLHANDLE;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(Items, ScanDeliversItemsInTheOrderSetWithTheirTypeWord) {
    NUMBER number = 2.5;
    TIMEDATE time = {{100, 2440588}};
    ASSERT_EQ(NSFItemSetText(note, "Form", "Person", MAXWORD), NOERROR);
    ASSERT_EQ(NSFItemSetNumber(note, "Count", &number), NOERROR);
    ASSERT_EQ(NSFItemSetTime(note, "When", &time), NOERROR);
    ASSERT_EQ(NSFItemAppend(note, 0, "Body", 4, TYPE_COMPOSITE, "\x81\x02", 2), NOERROR);
    std::vector<ScannedItem> items = Scan();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].name, "Form");
    EXPECT_EQ(items[0].type, TYPE_TEXT);
    EXPECT_EQ(items[0].value, "Person");
    EXPECT_EQ(items[0].length, 8u);
    EXPECT_EQ(items[0].flags, ITEM_SUMMARY);
    EXPECT_EQ(items[1].type, TYPE_NUMBER);
    EXPECT_EQ(items[1].length, 10u);
    EXPECT_EQ(items[2].type, TYPE_TIME);
    EXPECT_EQ(items[2].length, 10u);
    EXPECT_EQ(items[3].type, TYPE_COMPOSITE);
    EXPECT_EQ(items[3].value, "\x81\x02");
    EXPECT_EQ(items[3].flags, 0);
}

TEST_F(Items, SetReplacesEveryItemOfTheNameAtTheFirstPlace) {
    NSFItemAppend(note, 0, "a", 1, TYPE_TEXT, "1", 1);
    NSFItemAppend(note, 0, "b", 1, TYPE_TEXT, "2", 1);
    NSFItemAppend(note, 0, "A", 1, TYPE_TEXT, "3", 1);
    NSFItemAppend(note, 0, "c", 1, TYPE_TEXT, "4", 1);
    ASSERT_EQ(NSFItemSetText(note, "A", "new", 3), NOERROR);
    EXPECT_EQ(ItemValues(), (Names{"A=new", "b=2", "c=4"}));
}

TEST_F(Items, AppendAddsAnotherAndDeleteRemovesTheFirst) {
    NSFItemSetText(note, "Body", "one", MAXWORD);
    NSFItemAppend(note, 0, "BODY", 4, TYPE_TEXT, "two", 3);
    EXPECT_EQ(ItemValues(), (Names{"Body=one", "BODY=two"}));
    EXPECT_EQ(NSFItemDelete(note, "body", 4), NOERROR);
    EXPECT_EQ(ItemValues(), (Names{"BODY=two"}));
    EXPECT_EQ(NSFItemDelete(note, "body", 4), NOERROR);
    EXPECT_EQ(NSFItemDelete(note, "body", 4), ERR_ITEM_NOT_FOUND);
}

TEST_F(Items, NameLengthIsHonoured) {
    ASSERT_EQ(NSFItemAppend(note, 0, "BodyXYZ", 4, TYPE_TEXT, "x", 1), NOERROR);
    EXPECT_EQ(ItemValues(), (Names{"Body=x"}));
    EXPECT_EQ(NSFItemInfo(note, "BodyXYZ", 4, nullptr, nullptr, nullptr, nullptr), NOERROR);
}

TEST_F(Items, GetTextIsTerminatedAndCutToTheBuffer) {
    NSFItemSetText(note, "Name", "Grace Hopper", MAXWORD);
    char buffer[6];
    EXPECT_EQ(NSFItemGetText(note, "name", buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "Grace");
    char big[64];
    EXPECT_EQ(NSFItemGetText(note, "Name", big, sizeof big), 12);
    EXPECT_STREQ(big, "Grace Hopper");
    EXPECT_EQ(NSFItemGetText(note, "Missing", big, sizeof big), 0);
    EXPECT_STREQ(big, "");
    NUMBER n = 1;
    NSFItemSetNumber(note, "Number", &n);
    EXPECT_EQ(NSFItemGetText(note, "Number", big, sizeof big), 0);
}

TEST_F(Items, TextListReadsAsItsFirstEntry) {
    const char list[] = "\x02\x00\x03\x00\x02\x00OneTw";
    ASSERT_EQ(NSFItemAppend(note, 0, "List", 4, TYPE_TEXT_LIST, list, sizeof list - 1), NOERROR);
    char buffer[16];
    EXPECT_EQ(NSFItemGetText(note, "List", buffer, sizeof buffer), 3);
    EXPECT_STREQ(buffer, "One");
    EXPECT_TRUE(NSFItemTextEqual(note, "List", "one", 3, FALSE));
}

TEST_F(Items, TextEqualHasACaseSwitch) {
    NSFItemSetText(note, "Form", "Person", MAXWORD);
    EXPECT_TRUE(NSFItemTextEqual(note, "Form", "person", MAXWORD, FALSE));
    EXPECT_FALSE(NSFItemTextEqual(note, "Form", "person", MAXWORD, TRUE));
    EXPECT_TRUE(NSFItemTextEqual(note, "Form", "Person", 6, TRUE));
    EXPECT_FALSE(NSFItemTextEqual(note, "Form", "Pers", 4, FALSE));
    EXPECT_FALSE(NSFItemTextEqual(note, "Missing", "", 0, FALSE));
}

TEST_F(Items, TimeCompareOrdersAndRefusesOtherTypes) {
    TIMEDATE t = {{5000, 2440588}};
    NSFItemSetTime(note, "When", &t);
    int result = 99;
    EXPECT_TRUE(NSFItemTimeCompare(note, "when", &t, &result));
    EXPECT_EQ(result, 0);
    TIMEDATE later = {{100, 2440589}};
    EXPECT_TRUE(NSFItemTimeCompare(note, "When", &later, &result));
    EXPECT_LT(result, 0);
    TIMEDATE earlier = {{4999, 2440588}};
    EXPECT_TRUE(NSFItemTimeCompare(note, "When", &earlier, &result));
    EXPECT_GT(result, 0);
    NSFItemSetText(note, "Text", "x", 1);
    EXPECT_FALSE(NSFItemTimeCompare(note, "Text", &t, &result));
    EXPECT_FALSE(NSFItemTimeCompare(note, "Missing", &t, &result));
}

TEST_F(Items, NumbersReadBack) {
    NUMBER n = -12.75, read = 0;
    NSFItemSetNumber(note, "Amount", &n);
    EXPECT_TRUE(NSFItemGetNumber(note, "AMOUNT", &read));
    EXPECT_EQ(read, -12.75);
    NSFItemSetText(note, "Text", "1", 1);
    EXPECT_FALSE(NSFItemGetNumber(note, "Text", &read));
    EXPECT_FALSE(NSFItemGetNumber(note, "Missing", &read));
}

TEST_F(Items, InfoGivesTypeAndLengthWithTheTypeWord) {
    NSFItemSetText(note, "Form", "Memo", MAXWORD);
    WORD type = 0;
    DWORD length = 0;
    BLOCKID item, value;
    EXPECT_EQ(NSFItemInfo(note, "form", 4, &item, &type, &value, &length), NOERROR);
    EXPECT_EQ(type, TYPE_TEXT);
    EXPECT_EQ(length, 6u);
    EXPECT_EQ(NSFItemInfo(note, "Nothing", 7, nullptr, &type, nullptr, &length),
              ERR_ITEM_NOT_FOUND);
}

TEST_F(Items, ItemsSurviveAStoreInOrder) {
    NSFItemSetText(note, "Form", "Person", MAXWORD);
    NSFItemAppend(note, 0, "Body", 4, TYPE_COMPOSITE, "\x81\x02\x00\x01", 4);
    NSFItemSetText(note, "Empty", "", 0);
    ASSERT_EQ(NSFNoteUpdate(note, 0), NOERROR);
    std::vector<NOTEID> ids;
    ASSERT_EQ(notestest::SearchIds(db, "SELECT @All", ids), NOERROR);
    ASSERT_EQ(ids.size(), 1u);
    NSFNoteClose(note);
    ASSERT_EQ(NSFNoteOpen(db, ids[0], 0, &note), NOERROR);
    EXPECT_EQ(ItemValues(), (Names{"Form=Person", std::string("Body=\x81\x02\x00\x01", 9), "Empty="}));
}

TEST_F(Items, BadArgumentsGetAStatus) {
    EXPECT_EQ(NSFItemSetText(note, nullptr, "x", 1), ERR_INVALID_ITEM);
    EXPECT_EQ(NSFItemSetText(note, "", "x", 1), ERR_INVALID_ITEM);
    EXPECT_EQ(NSFItemSetText(note, "a", nullptr, 3), ERR_INVALID_ITEM);
    EXPECT_EQ(NSFItemSetTime(note, "a", nullptr), ERR_INVALID_ITEM);
    EXPECT_EQ(NSFItemSetNumber(note, "a", nullptr), ERR_INVALID_ITEM);
    EXPECT_EQ(NSFItemAppend(note, 0, "a", 1, TYPE_TEXT, nullptr, 5), ERR_INVALID_ITEM);
    EXPECT_EQ(NSFItemScan(note, nullptr, nullptr), ERR_BAD_ARGUMENT);
    EXPECT_EQ(Scan().size(), 0u);
}

namespace {
STATUS LNCALLBACK StopAtSecond(WORD, WORD, char*, WORD, void*, DWORD, void* param) {
    int* seen = static_cast<int*>(param);
    return ++*seen == 2 ? ERR_CONFLICT : NOERROR;
}

// Tries to change, store and close the note it scans.
struct Meddler {
    NOTEHANDLE note = NULLHANDLE;
    int visits = 0;
    std::vector<STATUS> statuses;
};

STATUS LNCALLBACK Meddle(WORD, WORD, char* name, WORD length, void*, DWORD, void* param) {
    Meddler* m = static_cast<Meddler*>(param);
    ++m->visits;
    NUMBER number = 1;
    m->statuses = {NSFItemDelete(m->note, name, length),
                   NSFItemSetText(m->note, "c", "3", 1),
                   NSFItemSetNumber(m->note, "n", &number),
                   NSFItemAppend(m->note, 0, "d", 1, TYPE_TEXT, "4", 1),
                   NSFNoteUpdate(m->note, 0),
                   NSFNoteClose(m->note)};
    return NOERROR;
}
} // namespace

TEST_F(Items, CallbackStatusEndsTheScanAndIsReturned) {
    NSFItemSetText(note, "a", "1", 1);
    NSFItemSetText(note, "b", "2", 1);
    NSFItemSetText(note, "c", "3", 1);
    int seen = 0;
    EXPECT_EQ(NSFItemScan(note, StopAtSecond, &seen), ERR_CONFLICT);
    EXPECT_EQ(seen, 2);
}

TEST_F(Items, ACallbackCanNotChangeOrCloseTheNoteItScans) {
    NSFItemSetText(note, "a", "1", 1);
    NSFItemSetText(note, "b", "2", 1);
    Meddler meddler;
    meddler.note = note;
    EXPECT_EQ(NSFItemScan(note, Meddle, &meddler), NOERROR);
    EXPECT_EQ(meddler.visits, 2);
    EXPECT_EQ(meddler.statuses, std::vector<STATUS>(6, ERR_BAD_ARGUMENT));
    EXPECT_EQ(Scan().size(), 2u);
    // Once the scan is over the note is the caller's again.
    EXPECT_EQ(NSFItemDelete(note, "a", 1), NOERROR);
    EXPECT_EQ(Scan().size(), 1u);
}
