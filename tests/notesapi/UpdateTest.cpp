// Note updates write only what changed: whatever was set, appended or
// deleted, the stored note reads back exactly as the open one was, and an
// update that fails half-way leaves the old note.
#include "NotesInstall.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using notestest::NotesInstall;
using notestest::StoreNote;

namespace {

// Name, flags and value bytes (type word first) of every item, in order.
using ItemRows = std::vector<std::string>;

STATUS LNCALLBACK CollectItem(WORD, WORD flags, char* name, WORD nameLength, void* value,
                              DWORD valueLength, void* param) {
    std::string row(name, nameLength);
    row += "|" + std::to_string(flags) + "|";
    row.append(static_cast<const char*>(value), valueLength);
    static_cast<ItemRows*>(param)->push_back(row);
    return NOERROR;
}

ItemRows Scan(NOTEHANDLE note) {
    ItemRows rows;
    NSFItemScan(note, CollectItem, &rows);
    return rows;
}

ItemRows Stored(DBHANDLE db, NOTEID id) {
    NOTEHANDLE note = NULLHANDLE;
    if (NSFNoteOpen(db, id, 0, &note) != NOERROR)
        return {"<none>"};
    ItemRows rows = Scan(note);
    NSFNoteClose(note);
    return rows;
}

void Set(NOTEHANDLE note, const char* name, const char* text) {
    NSFItemSetText(note, name, text, MAXWORD);
}

void Append(NOTEHANDLE note, const char* name, const char* text) {
    NSFItemAppend(note, ITEM_SUMMARY, name, static_cast<WORD>(std::strlen(name)), TYPE_TEXT, text,
                  static_cast<DWORD>(std::strlen(text)));
}

void Delete(NOTEHANDLE note, const char* name) {
    NSFItemDelete(note, name, static_cast<WORD>(std::strlen(name)));
}

void FillFive(NOTEHANDLE note) {
    Append(note, "A", "a");
    Append(note, "B", "b");
    Append(note, "Dup", "d1");
    Append(note, "C", "c");
    Append(note, "Dup", "d2");
}

struct EditCase {
    const char* name;
    std::function<void(NOTEHANDLE)> edit;
};

const EditCase kEdits[] = {
    {"nothing", [](NOTEHANDLE) {}},
    {"set in place", [](NOTEHANDLE n) { Set(n, "B", "b2"); }},
    {"set a new one", [](NOTEHANDLE n) { Set(n, "E", "e"); }},
    {"set over two of a name", [](NOTEHANDLE n) { Set(n, "dup", "d"); }},
    {"append", [](NOTEHANDLE n) { Append(n, "A", "a2"); }},
    {"delete first", [](NOTEHANDLE n) { Delete(n, "A"); }},
    {"delete last", [](NOTEHANDLE n) { Delete(n, "Dup"); Delete(n, "Dup"); }},
    {"delete all", [](NOTEHANDLE n) {
         for (const char* name : {"A", "B", "Dup", "C", "Dup"})
             Delete(n, name);
     }},
    {"delete then set the same",
     [](NOTEHANDLE n) {
         Delete(n, "B");
         Set(n, "B", "again");
     }},
    {"delete, append, set",
     [](NOTEHANDLE n) {
         Delete(n, "A");
         Append(n, "F", "f");
         Set(n, "C", "c2");
         Append(n, "G", "g");
     }},
    {"number and time", [](NOTEHANDLE n) {
         NUMBER number = 4.5;
         NSFItemSetNumber(n, "A", &number);
         TIMEDATE time = {{100, 2459000}};
         NSFItemSetTime(n, "Z", &time);
     }},
};

class Update : public ::testing::Test {
protected:
    void SetUp() override {
        path = install.CreateDatabase("update.nsf");
        ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
        ASSERT_EQ(NSFDbOpen("update.nsf", &db), NOERROR);
    }
    void TearDown() override { NSFDbClose(db); }

    NotesInstall install;
    std::string path;
    DBHANDLE db = NULLHANDLE;
};

} // namespace

TEST_F(Update, TheStoredNoteIsTheOpenOneAfterEveryKindOfEdit) {
    for (const EditCase& edit : kEdits) {
        SCOPED_TRACE(edit.name);
        NOTEID id = StoreNote(db, FillFive);
        ASSERT_NE(id, 0u);
        NOTEHANDLE note = NULLHANDLE;
        ASSERT_EQ(NSFNoteOpen(db, id, 0, &note), NOERROR);
        // Twice: the second update starts from the rows the first stored.
        for (int round = 0; round < 2; ++round) {
            edit.edit(note);
            ItemRows expected = Scan(note);
            ASSERT_EQ(NSFNoteUpdate(note, 0), NOERROR);
            EXPECT_EQ(Stored(db, id), expected) << "round " << round;
        }
        NSFNoteClose(note);
    }
}

TEST_F(Update, AForcedUpdateOverAnotherWritersStoresTheForcedNote) {
    NOTEID id = StoreNote(db, FillFive);
    NOTEHANDLE first = NULLHANDLE, second = NULLHANDLE;
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &first), NOERROR);
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &second), NOERROR);
    Delete(first, "A");
    Append(first, "X", "x");
    ASSERT_EQ(NSFNoteUpdate(first, 0), NOERROR);
    Set(second, "B", "mine");
    EXPECT_EQ(NSFNoteUpdate(second, 0), ERR_CONFLICT);
    ItemRows expected = Scan(second);
    ASSERT_EQ(NSFNoteUpdate(second, UPDATE_FORCE), NOERROR);
    EXPECT_EQ(Stored(db, id), expected);
    NSFNoteClose(first);
    NSFNoteClose(second);
}

TEST_F(Update, AnUpdateThatFailsHalfWayLeavesTheOldNote) {
    NOTEID id = StoreNote(db, FillFive);
    ItemRows old = Stored(db, id);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other,
                           "CREATE TRIGGER boom BEFORE INSERT ON items WHEN NEW.name='Boom'"
                           " BEGIN SELECT RAISE(ABORT, 'boom'); END;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    NOTEHANDLE note = NULLHANDLE;
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &note), NOERROR);
    Delete(note, "A");
    Set(note, "C", "c2");
    Append(note, "Boom", "!");
    EXPECT_NE(NSFNoteUpdate(note, 0), NOERROR);
    EXPECT_EQ(Stored(db, id), old);
    // The open note is as it was before the failed update: without the
    // failing item it stores whole.
    Delete(note, "Boom");
    ItemRows expected = Scan(note);
    ASSERT_EQ(NSFNoteUpdate(note, 0), NOERROR);
    EXPECT_EQ(Stored(db, id), expected);
    NSFNoteClose(note);
}

TEST_F(Update, ABatchStoresTheSameNotesAsSingleUpdates) {
    install.CreateDatabase("batch.nsf");
    DBHANDLE batch = NULLHANDLE;
    ASSERT_EQ(NSFDbOpen("batch.nsf", &batch), NOERROR);
    ASSERT_EQ(ZNSBeginBatch(batch), NOERROR);
    EXPECT_EQ(ZNSBeginBatch(batch), ERR_BAD_ARGUMENT);
    std::vector<NOTEID> single, batched;
    for (const EditCase& edit : kEdits) {
        auto fill = [&edit](NOTEHANDLE n) {
            FillFive(n);
            edit.edit(n);
        };
        single.push_back(StoreNote(db, fill));
        batched.push_back(StoreNote(batch, fill));
    }
    ASSERT_EQ(ZNSEndBatch(batch, TRUE), NOERROR);
    EXPECT_EQ(ZNSEndBatch(batch, TRUE), ERR_BAD_ARGUMENT);
    for (size_t i = 0; i < single.size(); ++i)
        EXPECT_EQ(Stored(batch, batched[i]), Stored(db, single[i])) << kEdits[i].name;
    NSFDbClose(batch);
}

TEST_F(Update, ABatchNotCommittedStoresNothing) {
    for (bool close : {false, true}) {
        DBHANDLE batch = NULLHANDLE;
        ASSERT_EQ(NSFDbOpen("update.nsf", &batch), NOERROR);
        ASSERT_EQ(ZNSBeginBatch(batch), NOERROR);
        ASSERT_NE(StoreNote(batch, FillFive), 0u);
        if (!close) {
            EXPECT_EQ(ZNSEndBatch(batch, FALSE), NOERROR);
        }
        NSFDbClose(batch);
        std::vector<NOTEID> ids;
        ASSERT_EQ(notestest::SearchIds(db, "SELECT @All", ids), NOERROR);
        EXPECT_TRUE(ids.empty()) << (close ? "closed" : "rolled back");
    }
}
