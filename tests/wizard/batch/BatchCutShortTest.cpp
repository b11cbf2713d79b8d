// A write-back whose helper is killed in its second group of documents:
// vxln-batch tells how many records the helper's journal confirms, and the
// database holds exactly those changes.
#include <gtest/gtest.h>

#include <string>

#include "NotesInstall.h"
#include "Preloaded.h"
#include "RunProgram.h"

namespace {

// Documents a write-back stores together, each group journaled first.
const int kGroup = 128;

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(BatchCutShort, TellsTheRecordsTheHelperWroteBeforeItEnded) {
    NotesInstall notes;
    const std::string db = notes.DataFile("names.nsf");
    notes.Notesdb("create '" + db + "'");
    notes.Notesdb("seed '" + db + "' contacts " + std::to_string(kGroup + 2));
    RunResult r;
    {
        // The header, the first group's entries and outcomes, then two entries
        // of the second: the helper ends before its third.
        const testsupport::Preloaded kill(
            KILL_SHIM, {{"ZEMBRIK_KILL_AT_JOURNAL_WRITE", std::to_string(2 * kGroup + 3)}});
        r = RunProgram(VXLN_BATCH_PROGRAM,
                       {"contacts", "--contacts-db", db, "--append", "Job Title=!"},
                       notes.ProgramFolder());
    }

    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(r.out.find("Records Upated: 130 records in total\n128 of 130 records were written "
                         "before the helper program ended; vxln-batch undo "),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(" puts them back.\nResult: The run failed: "), std::string::npos)
        << r.out;
    EXPECT_EQ(Count(notes.Dump("names.nsf"), "!\n"), static_cast<std::size_t>(kGroup));
}

} // namespace
