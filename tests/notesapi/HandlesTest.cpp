// Calls before API start, after API stop and with handles that are not open.
#include "NotesInstall.h"

#include <gtest/gtest.h>

using notestest::NotesInstall;

TEST(BeforeInit, EveryCallGetsAStatusOrNothing) {
    NotesInstall install;
    install.CreateDatabase("names.nsf");
    DBHANDLE db = 7;
    EXPECT_EQ(NSFDbOpen("names.nsf", &db), ERR_NOT_INITIALIZED);
    EXPECT_EQ(NSFDbClose(1), ERR_NOT_INITIALIZED);
    NOTEHANDLE note = NULLHANDLE;
    EXPECT_EQ(NSFNoteCreate(1, &note), ERR_NOT_INITIALIZED);
    EXPECT_EQ(NSFNoteUpdate(1, 0), ERR_NOT_INITIALIZED);
    EXPECT_EQ(NSFItemSetText(1, "a", "b", 1), ERR_NOT_INITIALIZED);
    char buffer[8] = "x";
    EXPECT_EQ(NSFItemGetText(1, "a", buffer, sizeof buffer), 0);
    NUMBER n = 0;
    EXPECT_FALSE(NSFItemGetNumber(1, "a", &n));
    char file[] = "user.id", password[] = "pw";
    EXPECT_EQ(SECKFMSwitchToIDFile(file, password, nullptr, 0, 0, nullptr), ERR_NOT_INITIALIZED);
    FORMULAHANDLE formula = NULLHANDLE;
    EXPECT_EQ(NSFFormulaCompile(nullptr, 0, "SELECT @All", 11, &formula, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr),
              ERR_NOT_INITIALIZED);
    char text[128];
    EXPECT_GT(OSLoadString(NULLHANDLE, ERR_NOT_INITIALIZED, text, sizeof text), 0);
}

namespace {

class Handles : public ::testing::Test {
protected:
    void SetUp() override {
        install.CreateDatabase("h.nsf");
        ASSERT_EQ(NotesInit(), NOERROR);
        ASSERT_EQ(NSFDbOpen("h.nsf", &db), NOERROR);
        ASSERT_EQ(NSFNoteCreate(db, &note), NOERROR);
    }
    NotesInstall install;
    DBHANDLE db = NULLHANDLE;
    NOTEHANDLE note = NULLHANDLE;
};

} // namespace

TEST_F(Handles, HandlesOfTheWrongKindOrNotOpenAreRefused) {
    const DHANDLE notOpen[] = {NULLHANDLE, 0xdeadbeef};
    for (DHANDLE h : notOpen) {
        EXPECT_EQ(NSFDbClose(h), ERR_INVALID_HANDLE);
        EXPECT_EQ(NSFNoteClose(h), ERR_INVALID_HANDLE);
        EXPECT_EQ(NSFNoteUpdate(h, 0), ERR_INVALID_HANDLE);
        EXPECT_EQ(NSFItemDelete(h, "a", 1), ERR_INVALID_HANDLE);
    }
    NOTEHANDLE other = NULLHANDLE;
    EXPECT_EQ(NSFNoteCreate(note, &other), ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFNoteOpen(note, 1, 0, &other), ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFNoteDelete(note, 1, 0), ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFDbClose(note), ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFNoteClose(db), ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFItemSetText(db, "a", "b", 1), ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFItemAppend(db, 0, "a", 1, TYPE_TEXT, "b", 1), ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFItemInfo(db, "a", 1, nullptr, nullptr, nullptr, nullptr), ERR_INVALID_HANDLE);
    EXPECT_FALSE(NSFItemTextEqual(db, "a", "b", 1, FALSE));
}

TEST_F(Handles, AClosedHandleStaysClosedAndIsNotHandedOutAgain) {
    ASSERT_EQ(NSFNoteClose(note), NOERROR);
    EXPECT_EQ(NSFNoteClose(note), ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFItemSetText(note, "a", "b", 1), ERR_INVALID_HANDLE);
    NOTEHANDLE again = NULLHANDLE;
    ASSERT_EQ(NSFNoteCreate(db, &again), NOERROR);
    EXPECT_NE(again, note);
    ASSERT_EQ(NSFDbClose(db), NOERROR);
    EXPECT_EQ(NSFDbClose(db), ERR_INVALID_HANDLE);
}

TEST_F(Handles, NotesTermClosesEverything) {
    NotesTerm();
    EXPECT_EQ(NSFDbClose(db), ERR_NOT_INITIALIZED);
    ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
    EXPECT_EQ(NSFDbClose(db), ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFNoteClose(note), ERR_INVALID_HANDLE);
}

TEST_F(Handles, NullOutputsGetAStatus) {
    EXPECT_EQ(NSFDbOpen("h.nsf", nullptr), ERR_BAD_ARGUMENT);
    EXPECT_EQ(NSFDbOpen(nullptr, &db), ERR_BAD_ARGUMENT);
    EXPECT_EQ(NSFNoteCreate(db, nullptr), ERR_BAD_ARGUMENT);
    EXPECT_EQ(NSFNoteOpen(db, 1, 0, nullptr), ERR_BAD_ARGUMENT);
    EXPECT_EQ(NSFFormulaCompile(nullptr, 0, "SELECT @All", 11, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr),
              ERR_BAD_ARGUMENT);
}
