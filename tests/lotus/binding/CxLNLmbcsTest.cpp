// The binding's text boundary against the stand-in: Windows-1252 on the
// engine's side, LMBCS on the API's, through the API's own OSTranslate.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "NotesFolder.h"
#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNLmbcs.h"
#include "common/lotus/binding/CxLNValueText.h"
#include "tests/lotus/LogCapture.h"

using testsupport::NotesFolder;

namespace {

const char kName[] = "M\xFC"
                     "ller \x80";           // Müller € in the code page
const char kLmbcs[] = "M\x81ller \x03\x80"; // and in LMBCS
const char kOutside[] = "\x14\x67\x4E \x06\x9D"
                        "x\x14"; // 李 Ł x, then a broken character

class LmbcsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.Ok());
        ASSERT_TRUE(CxLNApi::Start()) << m_log.Text();
    }
    void TearDown() override { CxLNApi::Stop(); }

    // A new document in a new database, its items set through `api`.
    template <class Fill> void Store(const tagLNApiTable& api, Fill fill) {
        ASSERT_EQ(m_folder.Notesdb("create Data/texts.nsf"), 0);
        ASSERT_EQ(api.NSFDbOpen("texts.nsf", &m_db), NOERROR);
        NOTEHANDLE note = NULLHANDLE;
        ASSERT_EQ(api.NSFNoteCreate(m_db, &note), NOERROR);
        fill(note);
        ASSERT_EQ(api.NSFNoteUpdate(note, 0), NOERROR);
        api.NSFNoteGetInfo(note, _NOTE_ID, &m_id);
        api.NSFNoteClose(note);
    }

    NOTEHANDLE Open() {
        NOTEHANDLE note = NULLHANDLE;
        EXPECT_EQ(LNApi().NSFNoteOpen(m_db, m_id, 0, &note), NOERROR);
        return note;
    }

    NotesFolder m_folder{NOTES_LIBRARY};
    LogCapture m_log;
    DBHANDLE m_db = NULLHANDLE;
    NOTEID m_id = 0;
};

std::string List(const std::vector<std::string>& entries) {
    std::string value;
    const WORD count = static_cast<WORD>(entries.size());
    value.append(reinterpret_cast<const char*>(&count), sizeof count);
    for (const std::string& e : entries) {
        const WORD length = static_cast<WORD>(e.size());
        value.append(reinterpret_cast<const char*>(&length), sizeof length);
    }
    for (const std::string& e : entries)
        value += e;
    return value;
}

struct tagScanned {
    std::string sName, sValue;
};

STATUS LNCALLBACK Scan(WORD, WORD, char* name, WORD nameLength, void* value, DWORD valueLength,
                       void* param) {
    static_cast<std::vector<tagScanned>*>(param)->push_back(
        {std::string(name, nameLength),
         std::string(static_cast<const char*>(value) + 2, valueLength - 2)});
    return NOERROR;
}

// The first item of a summary buffer: its name and value after the type.
STATUS LNCALLBACK Summary(void* param, SEARCH_MATCH*, ITEM_TABLE* summary) {
    const char* bytes = reinterpret_cast<const char*>(summary);
    ITEM item;
    std::memcpy(&item, bytes + sizeof(ITEM_TABLE), sizeof item);
    const char* name = bytes + sizeof(ITEM_TABLE) + summary->Items * sizeof(ITEM);
    *static_cast<tagScanned*>(param) = {
        std::string(name, item.NameLength),
        std::string(name + item.NameLength + 2, item.ValueLength - 2u)};
    return NOERROR;
}

} // namespace

// Plain texts pass without translation: every byte value at every place of a
// text longer than two words is told apart as the same in both or not.
TEST(PlainText, EveryByteAtEveryPlace) {
    for (int byte = 0; byte < 256; ++byte) {
        const bool plain = (byte >= 0x20 && byte < 0x80) || byte == 0x00 || byte == 0x09 ||
                           byte == 0x0A || byte == 0x0D || byte == 0x19;
        for (std::size_t at = 0; at < 19; ++at) {
            std::string text = "Abcdefgh ijklmno pq";
            text[at] = static_cast<char>(byte);
            EXPECT_EQ(LNIsPlainText(text.data(), text.size()), plain) << byte << " at " << at;
        }
    }
    EXPECT_TRUE(LNIsPlainText("", 0));
}

TEST_F(LmbcsTest, EveryCharacterOfTheCodePageComesBack) {
    for (int c = 1; c < 256; ++c) {
        const std::string text(1, static_cast<char>(c));
        std::size_t replaced = 0;
        const std::string lmbcs = LNToLmbcs(text);
        EXPECT_EQ(LNFromLmbcs(lmbcs.data(), lmbcs.size(), &replaced), text) << c;
        EXPECT_EQ(replaced, 0u) << c;
    }
    EXPECT_EQ(LNToLmbcs(kName), kLmbcs);
    EXPECT_EQ(LNToLmbcs("\x8A\x81"), "\x06\xE6\x0F\x81"); // Š, and a byte the page leaves free
    EXPECT_EQ(LNToLmbcs(std::string("a\0\xFC", 3)), std::string("a\0\x81", 3));
}

TEST_F(LmbcsTest, WhatThePageLacksReadsAsAQuestionMarkAndIsCounted) {
    std::size_t replaced = 0;
    EXPECT_EQ(LNFromLmbcs(kOutside, std::strlen(kOutside), &replaced), "? ?x?");
    EXPECT_EQ(replaced, 3u);
    replaced = 0;
    EXPECT_EQ(LNFromLmbcs("?", 1, &replaced), "?");
    EXPECT_EQ(replaced, 0u);
    EXPECT_EQ(LNLmbcsToUtf8(kLmbcs), "M\xC3\xBCller \xE2\x82\xAC");
}

TEST_F(LmbcsTest, ACutEndsOnACharacter) {
    const char text[] = "ab\x03\x80\x14\x67\x4E"
                        "c";
    const std::size_t size = sizeof text - 1;
    const std::size_t cuts[][2] = {{0, 0}, {2, 2}, {3, 2}, {4, 4}, {6, 4}, {7, 7}, {9, 8}};
    for (const auto& cut : cuts)
        EXPECT_EQ(LNLmbcsCut(text, size, cut[0]), cut[1]) << cut[0];
}

TEST_F(LmbcsTest, ItemsGoInAsLmbcsAndComeOutInTheCodePage) {
    Store(LNApi(), [](NOTEHANDLE note) {
        EXPECT_EQ(LNApi().NSFItemSetText(note, "Last", kName, MAXWORD), NOERROR);
        const std::string list = List({"Zo\xEB", "\x80"});
        EXPECT_EQ(LNApi().NSFItemAppend(note, ITEM_SUMMARY, "Tags\xFC", 5, TYPE_TEXT_LIST,
                                        list.data(), list.size()),
                  NOERROR);
    });
    NOTEHANDLE note = Open();
    char stored[64] = "";
    LNStoredApi().NSFItemGetText(note, "Last", stored, sizeof stored);
    EXPECT_STREQ(stored, kLmbcs);
    EXPECT_EQ(LNStoredApi().NSFItemInfo(note, "Tags\x81", 5, nullptr, nullptr, nullptr, nullptr),
              NOERROR);

    char text[64] = "";
    EXPECT_EQ(LNApi().NSFItemGetText(note, "Last", text, sizeof text), 8);
    EXPECT_STREQ(text, kName);
    EXPECT_EQ(LNApi().NSFItemGetText(note, "Last", text, 8), 7); // cut on a character
    EXPECT_STREQ(text, "M\xFCller ");
    EXPECT_TRUE(LNApi().NSFItemTextEqual(note, "Last", kName, MAXWORD, TRUE));

    std::vector<tagScanned> items;
    ASSERT_EQ(LNApi().NSFItemScan(note, Scan, &items), NOERROR);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].sValue, kName);
    EXPECT_EQ(items[1].sName, "Tags\xFC");
    EXPECT_EQ(items[1].sValue, List({"Zo\xEB", "\x80"}));
    LNApi().NSFNoteClose(note);

    FORMULAHANDLE formula = NULLHANDLE;
    const char select[] = "Last = \"M\xFC"
                          "ller \x80\"";
    WORD ignored = 0;
    STATUS error = NOERROR;
    ASSERT_EQ(LNApi().NSFFormulaCompile(nullptr, 0, select, sizeof select - 1, &formula, &ignored,
                                        &error, &ignored, &ignored, &ignored, &ignored),
              NOERROR);
    tagScanned found;
    EXPECT_EQ(LNApi().NSFSearch(m_db, formula, nullptr, SEARCH_SUMMARY, NOTE_CLASS_DOCUMENT,
                                nullptr, Summary, &found, nullptr),
              NOERROR);
    EXPECT_EQ(found.sName, "Last");
    EXPECT_EQ(found.sValue, kName);
    LNApi().OSMemFree(formula);
    LNApi().NSFDbClose(m_db);
}

TEST_F(LmbcsTest, ATextOutsideThePageIsReportedWithItsItem) {
    Store(LNStoredApi(), [](NOTEHANDLE note) {
        LNStoredApi().NSFItemSetText(note, "Company", kOutside, MAXWORD);
    });
    NOTEHANDLE note = Open();
    std::vector<tagScanned> items;
    ASSERT_EQ(LNApi().NSFItemScan(note, Scan, &items), NOERROR);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].sValue, "? ?x?");
    EXPECT_NE(m_log.Text().find("3 character(s) of item Company have no form in code page 1252 "
                                "and read as '?'"),
              std::string::npos)
        << m_log.Text();
    LNApi().NSFNoteClose(note);
    LNApi().NSFDbClose(m_db);
}

TEST_F(LmbcsTest, PathsUserNamesAndPasswordsCrossAsTextToo) {
    // notesdb takes UTF-8; the file system holds UTF-8 names.
    ASSERT_EQ(m_folder.Notesdb("create 'Data/M\xC3\xBCller.nsf'"), 0);
    ASSERT_EQ(m_folder.Notesdb("id Data/user.id 'J\xC3\xBCrgen \xE2\x82\xAC' 'P\xC3\xA4sswort'"),
              0);
    DBHANDLE db = NULLHANDLE;
    EXPECT_EQ(LNApi().NSFDbOpen("M\xFCller.nsf", &db), NOERROR);
    LNApi().NSFDbClose(db);
    char password[] = "P\xE4sswort", file[] = "user.id", user[MAXUSERNAME] = "";
    EXPECT_EQ(LNApi().SECKFMSwitchToIDFile(file, password, user, sizeof user - 1, 0, nullptr),
              NOERROR);
    EXPECT_STREQ(user, "J\xFCrgen \x80");
    EXPECT_EQ(LNApi().SECKFMGetUserName(user), NOERROR);
    EXPECT_STREQ(user, "J\xFCrgen \x80");
    char folder[MAXPATH] = "";
    EXPECT_GT(LNApi().OSGetDataDirectory(folder), 0);
    EXPECT_EQ(std::string(folder), m_folder.File("Data"));
}
