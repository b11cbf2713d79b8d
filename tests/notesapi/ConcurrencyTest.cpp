// Two processes on one database: one writes notes while the other reads.
#include "NotesInstall.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/wait.h>
#include <unistd.h>

using notestest::NotesInstall;
using notestest::StoreNote;

namespace {

void SetPair(NOTEHANDLE note, int value) {
    std::string text = std::to_string(value);
    NSFItemSetText(note, "A", text.c_str(), MAXWORD);
    NSFItemSetText(note, "B", text.c_str(), MAXWORD);
}

// The writer: sets both items of the note to the same value, round after round.
int Writer(NOTEID id, int rounds) {
    if (NotesInitExtended(0, nullptr) != NOERROR)
        return 1;
    DBHANDLE db = NULLHANDLE;
    if (NSFDbOpen("pair.nsf", &db) != NOERROR)
        return 2;
    for (int i = 1; i <= rounds; ++i) {
        NOTEHANDLE note = NULLHANDLE;
        if (NSFNoteOpen(db, id, 0, &note) != NOERROR)
            return 3;
        SetPair(note, i);
        if (NSFNoteUpdate(note, 0) != NOERROR)
            return 4;
        NSFNoteClose(note);
    }
    NotesTerm();
    return 0;
}

} // namespace

TEST(Concurrency, AReaderNeverSeesHalfANote) {
    NotesInstall install;
    install.CreateDatabase("pair.nsf");
    ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
    DBHANDLE db = NULLHANDLE;
    ASSERT_EQ(NSFDbOpen("pair.nsf", &db), NOERROR);
    NOTEID id = StoreNote(db, [](NOTEHANDLE note) { SetPair(note, 0); });
    ASSERT_NE(id, 0u);
    // No connection may cross the fork.
    NotesTerm();

    const int rounds = 300;
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(Writer(id, rounds));

    ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
    ASSERT_EQ(NSFDbOpen("pair.nsf", &db), NOERROR);
    int last = 0;
    while (last < rounds) {
        NOTEHANDLE note = NULLHANDLE;
        ASSERT_EQ(NSFNoteOpen(db, id, 0, &note), NOERROR);
        char a[16], b[16];
        NSFItemGetText(note, "A", a, sizeof a);
        NSFItemGetText(note, "B", b, sizeof b);
        NSFNoteClose(note);
        ASSERT_STREQ(a, b);
        int value = std::stoi(a);
        ASSERT_GE(value, last) << "a reader never goes back in time";
        last = value;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            ASSERT_TRUE(WIFEXITED(status));
            ASSERT_EQ(WEXITSTATUS(status), 0);
            child = 0;
            if (last < rounds)
                continue; // one more read sees the last round
        }
    }
    if (child > 0) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(last, rounds);
}
