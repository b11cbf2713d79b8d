// The plain C client against the stand-in, once writing and then, in a
// second process, reading what the first one left.
#include "NotesInstall.h"

#include <gtest/gtest.h>

using notestest::NotesInstall;
using notestest::RunProgram;

TEST(Lifecycle, SecondProcessSeesWhatTheFirstStored) {
    NotesInstall install;
    ASSERT_EQ(RunProgram(NOTES_LIFECYCLE_PROGRAM, {"write"}, install.Program()), 0);
    EXPECT_EQ(RunProgram(NOTES_LIFECYCLE_PROGRAM, {"read"}, install.Program()), 0);
}

TEST(Lifecycle, ReadingBeforeAnyWriteFails) {
    NotesInstall install;
    EXPECT_NE(RunProgram(NOTES_LIFECYCLE_PROGRAM, {"read"}, install.Program()), 0);
}
