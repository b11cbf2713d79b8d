// Databases of the earlier format, their text in code page 1252: refused
// until converted, and converted once with nothing lost.
#include "NotesInstall.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

using notestest::NotesInstall;

namespace {

// The earlier format's mark put back, as a database of an earlier version
// would have it.
void MarkOld(const std::string& path) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "UPDATE meta SET value='zembrik-notes-1' WHERE key='format'",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

// The manager of the access list.
std::string AccessUser(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    std::string user;
    const std::string sql =
        "SELECT user FROM acl WHERE level=" + std::to_string(ZNS_ACCESS_MANAGER);
    if (sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
        sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        user = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return user;
}

// A paragraph whose run holds `text` as it is.
std::string RichText(const std::string& text) {
    std::string v("\x81\x02\x85\xFF", 4);
    const WORD length = static_cast<WORD>(8 + text.size());
    v.append(reinterpret_cast<const char*>(&length), 2);
    v.append(4, '\0');
    v += text;
    if (v.size() % 2)
        v += '\0';
    return v;
}

// The value of the item `name` after its type word, as stored.
std::string Value(NOTEHANDLE note, const char* name) {
    std::pair<std::string, std::string> found(name, "(missing)");
    NSFItemScan(
        note,
        [](WORD, WORD, char* item, WORD length, void* bytes, DWORD size, void* param) -> STATUS {
            auto* found = static_cast<std::pair<std::string, std::string>*>(param);
            if (std::string(item, length) == found->first)
                found->second.assign(static_cast<const char*>(bytes) + 2, size - 2);
            return NOERROR;
        },
        &found);
    return found.second;
}

} // namespace

TEST(Convert, AnEarlierDatabaseIsRefusedUntilConvertedAndKeepsEveryText) {
    NotesInstall install;
    const std::string path = install.CreateDatabase("old.nsf");
    ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
    DBHANDLE db = NULLHANDLE;
    ASSERT_EQ(NSFDbOpen("old.nsf", &db), NOERROR);
    NOTEHANDLE note = NULLHANDLE;
    ASSERT_EQ(NSFNoteCreate(db, &note), NOERROR);
    // The bytes an earlier version stored: Windows-1252.
    NSFItemSetText(note, "Name", "M\xFCller \x80", MAXWORD);
    NSFItemSetText(note,
                   "Stra\xDF"
                   "e",
                   "x", MAXWORD);
    const std::string list("\x02\x00\x03\x00\x01\x00Zo\xEB\x80", 10);
    NSFItemAppend(note, ITEM_SUMMARY, "Tags", 4, TYPE_TEXT_LIST, list.data(), list.size());
    const std::string body = RichText("Caf\xE9");
    NSFItemAppend(note, 0, "Body", 4, TYPE_COMPOSITE, body.data(), body.size());
    const NUMBER number = 5;
    NSFItemSetNumber(note, "Count", &number);
    ASSERT_EQ(NSFNoteUpdate(note, 0), NOERROR);
    NOTEID id = 0;
    NSFNoteGetInfo(note, _NOTE_ID, &id);
    NSFNoteClose(note);
    NSFDbClose(db);
    ASSERT_EQ(ZNSSetAccess(path.c_str(), "J\xFCrgen", ZNS_ACCESS_MANAGER), NOERROR);
    ASSERT_EQ(ZNSSetAccess(path.c_str(), ZNS_DEFAULT_ENTRY, ZNS_ACCESS_READER), NOERROR);
    MarkOld(path);

    EXPECT_EQ(NSFDbOpen("old.nsf", &db), ERR_OLD_FORMAT);
    char text[256];
    EXPECT_GT(OSLoadString(NULLHANDLE, ERR_OLD_FORMAT, text, sizeof text), 0);
    BOOL converted = FALSE;
    ASSERT_EQ(ZNSConvertDatabase(path.c_str(), &converted), NOERROR);
    EXPECT_TRUE(converted);
    ASSERT_EQ(ZNSConvertDatabase(path.c_str(), &converted), NOERROR);
    EXPECT_FALSE(converted) << "once only";

    ASSERT_EQ(NSFDbOpen("old.nsf", &db), NOERROR);
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &note), NOERROR);
    EXPECT_EQ(Value(note, "Name"), "M\x81ller \x03\x80");
    EXPECT_EQ(Value(note, "Stra\xE1"
                          "e"),
              "x");
    EXPECT_EQ(Value(note, "Tags"), std::string("\x02\x00\x03\x00\x02\x00Zo\x89\x03\x80", 11));
    EXPECT_EQ(Value(note, "Body"), RichText("Caf\x82"));
    EXPECT_EQ(Value(note, "Count"), std::string(reinterpret_cast<const char*>(&number), 8));
    NSFNoteClose(note);
    NSFDbClose(db);
    EXPECT_EQ(AccessUser(path), "J\x81rgen");
}

TEST(Convert, WhatIsNoDatabaseOrCurrentIsLeftAlone) {
    NotesInstall install;
    const std::string path = install.CreateDatabase("new.nsf");
    BOOL converted = TRUE;
    EXPECT_EQ(ZNSConvertDatabase(path.c_str(), &converted), NOERROR);
    EXPECT_FALSE(converted);
    EXPECT_EQ(ZNSConvertDatabase(install.Data("missing.nsf").c_str(), &converted), ERR_NOEXIST);
    EXPECT_EQ(ZNSConvertDatabase(nullptr, nullptr), ERR_BAD_ARGUMENT);
}
