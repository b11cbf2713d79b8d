// Notes: open, create, update, close, delete, and what a bad note ID gets.
#include "NotesInstall.h"

#include <gtest/gtest.h>

#include <string>

using notestest::NotesInstall;
using notestest::SearchIds;
using notestest::StoreNote;

namespace {

void SetName(NOTEHANDLE note, const char* name) {
    NSFItemSetText(note, "Name", name, MAXWORD);
}

std::string NameOf(DBHANDLE db, NOTEID id) {
    NOTEHANDLE note = NULLHANDLE;
    if (NSFNoteOpen(db, id, 0, &note) != NOERROR)
        return "<none>";
    char buffer[64];
    NSFItemGetText(note, "Name", buffer, sizeof buffer);
    NSFNoteClose(note);
    return buffer;
}

class Notes : public ::testing::Test {
protected:
    void SetUp() override {
        install.CreateDatabase("notes.nsf");
        ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
        ASSERT_EQ(NSFDbOpen("notes.nsf", &db), NOERROR);
    }

    NOTEID Store(const char* name) {
        return StoreNote(db, [name](NOTEHANDLE note) { SetName(note, name); });
    }

    NotesInstall install;
    DBHANDLE db = NULLHANDLE;
};

} // namespace

TEST_F(Notes, ANewNoteExistsOnlyAfterUpdate) {
    NOTEHANDLE note = NULLHANDLE;
    ASSERT_EQ(NSFNoteCreate(db, &note), NOERROR);
    SetName(note, "draft");
    std::vector<NOTEID> ids;
    ASSERT_EQ(SearchIds(db, "SELECT @All", ids), NOERROR);
    EXPECT_TRUE(ids.empty());
    ASSERT_EQ(NSFNoteClose(note), NOERROR);
    ASSERT_EQ(SearchIds(db, "SELECT @All", ids), NOERROR);
    EXPECT_TRUE(ids.empty());
}

TEST_F(Notes, ChangesOfAnOpenNoteStayInMemoryUntilUpdate) {
    NOTEID id = Store("first");
    NOTEHANDLE note = NULLHANDLE;
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &note), NOERROR);
    SetName(note, "second");
    EXPECT_EQ(NameOf(db, id), "first");
    ASSERT_EQ(NSFNoteUpdate(note, 0), NOERROR);
    EXPECT_EQ(NameOf(db, id), "second");
    SetName(note, "third");
    ASSERT_EQ(NSFNoteClose(note), NOERROR);
    EXPECT_EQ(NameOf(db, id), "second");
}

TEST_F(Notes, AnUpdatedNoteCanBeUpdatedAgain) {
    NOTEHANDLE note = NULLHANDLE;
    ASSERT_EQ(NSFNoteCreate(db, &note), NOERROR);
    SetName(note, "one");
    ASSERT_EQ(NSFNoteUpdate(note, 0), NOERROR);
    SetName(note, "two");
    ASSERT_EQ(NSFNoteUpdate(note, 0), NOERROR);
    NSFNoteClose(note);
    std::vector<NOTEID> ids;
    ASSERT_EQ(SearchIds(db, "SELECT @All", ids), NOERROR);
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(NameOf(db, ids[0]), "two");
}

TEST_F(Notes, NoteIdsAreNeverReused) {
    NOTEID a = Store("a");
    NOTEID b = Store("b");
    ASSERT_NE(a, 0u);
    ASSERT_GT(b, a);
    ASSERT_EQ(NSFNoteDelete(db, b, 0), NOERROR);
    NOTEID c = Store("c");
    EXPECT_GT(c, b);
    NSFDbClose(db);
    NotesTerm();
    ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
    ASSERT_EQ(NSFDbOpen("notes.nsf", &db), NOERROR);
    EXPECT_GT(Store("d"), c);
}

TEST_F(Notes, UnknownAndDeletedNotesGetTheirStatus) {
    NOTEID id = Store("gone");
    NOTEHANDLE note = NULLHANDLE;
    EXPECT_EQ(NSFNoteOpen(db, id + 100, 0, &note), ERR_INVALID_NOTE);
    EXPECT_EQ(note, NULLHANDLE);
    EXPECT_EQ(NSFNoteOpen(db, 0, 0, &note), ERR_INVALID_NOTE);
    EXPECT_EQ(NSFNoteDelete(db, id + 100, 0), ERR_INVALID_NOTE);

    NOTEHANDLE open = NULLHANDLE;
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &open), NOERROR);
    ASSERT_EQ(NSFNoteDelete(db, id, 0), NOERROR);
    EXPECT_EQ(NSFNoteOpen(db, id, 0, &note), ERR_NOTE_DELETED);
    EXPECT_EQ(NSFNoteDelete(db, id, 0), ERR_NOTE_DELETED);
    EXPECT_EQ(NSFNoteUpdate(open, 0), ERR_NOTE_DELETED);
    EXPECT_EQ(NSFNoteUpdate(open, UPDATE_FORCE), ERR_NOTE_DELETED);
    NSFNoteClose(open);
}

TEST_F(Notes, AChangeBySomeoneElseSinceOpenIsAConflict) {
    NOTEID id = Store("base");
    NOTEHANDLE mine = NULLHANDLE, theirs = NULLHANDLE;
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &mine), NOERROR);
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &theirs), NOERROR);
    SetName(theirs, "theirs");
    ASSERT_EQ(NSFNoteUpdate(theirs, 0), NOERROR);
    SetName(mine, "mine");
    EXPECT_EQ(NSFNoteUpdate(mine, 0), ERR_CONFLICT);
    EXPECT_EQ(NameOf(db, id), "theirs");
    EXPECT_EQ(NSFNoteUpdate(mine, UPDATE_FORCE), NOERROR);
    EXPECT_EQ(NameOf(db, id), "mine");
    EXPECT_EQ(NSFNoteUpdate(mine, 0), NOERROR);
    NSFNoteClose(mine);
    NSFNoteClose(theirs);
}

TEST_F(Notes, ANoteOutlivesTheCloseOfItsDatabase) {
    NOTEID id = Store("kept");
    NOTEHANDLE note = NULLHANDLE;
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &note), NOERROR);
    ASSERT_EQ(NSFDbClose(db), NOERROR);
    SetName(note, "still");
    EXPECT_EQ(NSFNoteUpdate(note, 0), NOERROR);
    EXPECT_EQ(NSFNoteClose(note), NOERROR);
}

namespace {

STATUS LNCALLBACK CountItem(WORD, WORD, char*, WORD, void*, DWORD, void* count) {
    ++*static_cast<int*>(count);
    return NOERROR;
}

int ItemCount(NOTEHANDLE note) {
    int count = 0;
    NSFItemScan(note, CountItem, &count);
    return count;
}

} // namespace

// Notes opened one after another reuse the buffers of those closed before:
// none may carry over an item, a value or a stored row of another.
TEST_F(Notes, ANoteOpenedAfterABiggerOneHoldsOnlyItsOwnItems) {
    const std::string longText(3000, 'x');
    const NOTEID big = StoreNote(db, [&](NOTEHANDLE note) {
        SetName(note, longText.c_str());
        for (const char* name : {"A", "B", "C", "D"})
            NSFItemSetText(note, name, name, MAXWORD);
    });
    const NOTEID small = Store("small");
    NOTEHANDLE note = NULLHANDLE;
    ASSERT_EQ(NSFNoteOpen(db, big, 0, &note), NOERROR);
    EXPECT_EQ(ItemCount(note), 5);
    ASSERT_EQ(NSFNoteClose(note), NOERROR);
    ASSERT_EQ(NSFNoteOpen(db, 9999, 0, &note), ERR_INVALID_NOTE);

    ASSERT_EQ(NSFNoteOpen(db, small, 0, &note), NOERROR);
    EXPECT_EQ(ItemCount(note), 1);
    EXPECT_FALSE(NSFItemIsPresent(note, "A", 1));
    SetName(note, "smaller");
    ASSERT_EQ(NSFNoteUpdate(note, 0), NOERROR);
    ASSERT_EQ(NSFNoteClose(note), NOERROR);

    EXPECT_EQ(NameOf(db, small), "smaller");
    ASSERT_EQ(NSFNoteOpen(db, big, 0, &note), NOERROR);
    EXPECT_EQ(ItemCount(note), 5);
    char value[8];
    EXPECT_EQ(NSFItemGetText(note, "D", value, sizeof value), 1);
    EXPECT_STREQ(value, "D");
    NSFNoteClose(note);
    EXPECT_EQ(NameOf(db, big).size(), 63u); // cut to the buffer
}
