// The undo of a journaled write-back through the real helper host.
#include <gtest/gtest.h>

#include <string>

#include "SeededContacts.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "common/misc/CxString.h"

namespace {

struct UndoCase {
    const char* name;
    bool dryRun;
    const char* editAfterRun; // "NOTEID ITEM TEXT" for notesdb set, or empty
    const char* damage;       // a line that replaces the journal's second, or nullptr
};

class Undo : public ::testing::TestWithParam<UndoCase> {
protected:
    void SetUp() override {
        SeedContacts(notes, 4, &util);
    }
    std::string Db() const { return notes.DataFile("names.nsf"); }
    // Loads, changes two contacts and writes them back; the run's name.
    std::string Run() {
        EXPECT_TRUE(util.LoadAll()) << util.GetLastErrorMsg();
        int index = 0;
        for (tagCxLNAddrRec* rec = util.GetFirstRec(); rec; rec = util.GetNextRec(), ++index) {
            if (index == 0 || index == 2) {
                CxStrCopy(rec->szLastName, "Miller");
                CxStrCopy(rec->szJobTitle, "Clerk");
                MarkModified(rec);
            }
        }
        util.SetDirty(true);
        EXPECT_TRUE(util.SubmitChanges()) << util.GetLastErrorMsg();
        const std::vector<std::string> runs = LNJournalRunNames(notes.WizardFolder());
        return runs.empty() ? std::string() : runs.front();
    }
    NotesInstall notes;
    CxLNAddrUtil util;
};

TEST_P(Undo, PutsBackWhatTheRunChangedAndNothingElse) {
    const UndoCase& c = GetParam();
    const std::string original = notes.Dump("names.nsf");
    const std::string run = Run();
    ASSERT_FALSE(run.empty());
    if (*c.editAfterRun)
        notes.Notesdb("set '" + Db() + "' " + c.editAfterRun);
    const std::string journal = notes.WizardFolder() + "journal/" + run + ".jsonl";
    if (c.damage) {
        std::string text = testsupport::ReadFile(journal);
        const size_t second = text.find('\n') + 1;
        text.replace(second, text.find('\n', second) - second, c.damage);
        testsupport::WriteFile(journal, text);
    }
    const std::string afterRun = notes.Dump("names.nsf");

    tagLNUndoResult result;
    const bool undone = util.Undo(run.c_str(), c.dryRun, &result);
    const std::string now = notes.Dump("names.nsf");
    if (c.damage) {
        EXPECT_FALSE(undone);
        EXPECT_EQ(now, afterRun);
        EXPECT_NE(std::string(util.GetLastErrorMsg()).find("is damaged at line 2"), std::string::npos)
            << util.GetLastErrorMsg();
        return;
    }
    ASSERT_TRUE(undone) << util.GetLastErrorMsg();
    if (c.dryRun) {
        EXPECT_EQ(now, afterRun);
        EXPECT_EQ(result.nRestored, 4);
        EXPECT_TRUE(result.sUndoRun.empty());
        return;
    }
    EXPECT_FALSE(result.sUndoRun.empty());
    if (!*c.editAfterRun) {
        EXPECT_EQ(now, original);
        EXPECT_EQ(result.nRestored, 4);
        EXPECT_EQ(result.nLeft, 0);
        return;
    }
    EXPECT_EQ(result.nRestored, 3);
    EXPECT_EQ(result.nLeft, 1);
    ASSERT_EQ(result.lines.size(), 1u);
    EXPECT_EQ(result.lines[0], "Document 3: JobTitle was changed after the run; it was left as it is.");
    EXPECT_NE(now.find("JobTitle: Boss\n"), std::string::npos);
    EXPECT_EQ(now.find("Miller"), std::string::npos);

    // The undo is a run of its own and can be undone in turn.
    tagLNUndoResult again;
    ASSERT_TRUE(util.Undo(result.sUndoRun.c_str(), false, &again)) << util.GetLastErrorMsg();
    EXPECT_EQ(again.nRestored, 3);
    EXPECT_EQ(notes.Dump("names.nsf").find("LastName: Okafor"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Undo,
    ::testing::Values(UndoCase{"restores_the_dump", false, "", nullptr},
                      UndoCase{"dry_run", true, "", nullptr},
                      UndoCase{"leaves_a_later_edit", false, "3 JobTitle Boss", nullptr},
                      UndoCase{"damaged_journal", false, "", "{\"entry\": 1, \"action\""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
