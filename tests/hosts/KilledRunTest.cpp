// A helper host killed during a write-back leaves a journal that tells which
// documents changed, and the undo of that journal brings the database back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>

#include "Preloaded.h"
#include "SeededContacts.h"
#include "common/lotus/engine/CxLNChangeGroup.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "common/misc/CxString.h"

namespace {

// Documents are stored a group at a time: the group's entries, one sync,
// then each document followed by its outcome.
constexpr int kGroup = static_cast<int>(CxLNChangeGroup::kSize);

struct KillCase {
    const char* name;
    int renamed;   // documents 1..renamed get a new last name
    int write;     // the journal write the helper dies at
    int changed;   // documents 1..changed are changed by then
    int committed; // and 1..committed have their outcome written
};

std::set<unsigned> FirstDocs(int count) {
    std::set<unsigned> docs;
    for (int id = 1; id <= count; ++id)
        docs.insert(static_cast<unsigned>(id));
    return docs;
}

// The run's journal: the documents with an entry and those that committed.
std::string ReadJournal(const std::string& dataFolder, std::set<unsigned>* entries,
                        std::set<unsigned>* committed) {
    const std::vector<std::string> runs = LNJournalRunNames(dataFolder);
    if (runs.empty())
        return std::string();
    const std::string run = runs.front();
    std::istringstream in(testsupport::ReadFile(dataFolder + "journal/" + run + ".jsonl"));
    std::string text;
    while (std::getline(in, text)) {
        const nlohmann::json line = nlohmann::json::parse(text);
        if (line.contains("items"))
            entries->insert(line["doc"].get<unsigned>());
        if (line.value("committed", false))
            committed->insert(line["doc"].get<unsigned>());
    }
    return run;
}

std::set<unsigned> Renamed(const std::string& dump) {
    std::set<unsigned> docs;
    std::istringstream in(dump);
    std::string line;
    unsigned note = 0;
    while (std::getline(in, line)) {
        if (line.rfind("[note ", 0) == 0)
            note = static_cast<unsigned>(std::stoul(line.substr(6)));
        if (line == "LastName: Miller")
            docs.insert(note);
    }
    return docs;
}

class KilledRun : public ::testing::TestWithParam<KillCase> {};

TEST_P(KilledRun, LeavesAJournalThatMatchesTheDatabase) {
    const KillCase& c = GetParam();
    NotesInstall notes;
    CxLNAddrUtil util;
    SeedContacts(notes, c.renamed + 1, &util);
    const std::string original = notes.Dump("names.nsf");
    ASSERT_TRUE(util.LoadAll()) << util.GetLastErrorMsg();
    int index = 0;
    for (tagCxLNAddrRec* rec = util.GetFirstRec(); rec; rec = util.GetNextRec(), ++index)
        if (index < c.renamed) {
            CxStrCopy(rec->szLastName, "Miller");
            MarkModified(rec);
        }
    util.SetDirty(true);

    {
        const testsupport::Preloaded kill(
            KILL_SHIM, {{"ZEMBRIK_KILL_AT_JOURNAL_WRITE", std::to_string(c.write)}});
        EXPECT_FALSE(util.SubmitChanges());
    }

    std::set<unsigned> entries, committed;
    const std::string run = ReadJournal(notes.WizardFolder(), &entries, &committed);
    ASSERT_FALSE(run.empty());
    const std::set<unsigned> changed = Renamed(notes.Dump("names.nsf"));
    EXPECT_EQ(changed, FirstDocs(c.changed));
    EXPECT_EQ(committed, FirstDocs(c.committed));
    for (unsigned doc : changed)
        EXPECT_TRUE(entries.count(doc)) << "document " << doc << " changed without an entry";

    tagLNUndoResult result;
    ASSERT_TRUE(util.Undo(run.c_str(), false, &result)) << util.GetLastErrorMsg();
    EXPECT_EQ(result.nRestored, static_cast<int>(changed.size()));
    // An entry whose document was never stored is nothing to tell.
    EXPECT_EQ(result.nLeft, 0);
    EXPECT_EQ(notes.Dump("names.nsf"), original);
}

// Writes: 1 the header; then per group its entries, then its outcomes.
INSTANTIATE_TEST_SUITE_P(
    Moments, KilledRun,
    ::testing::Values(KillCase{"before_the_first_entry", 3, 2, 0, 0},
                      KillCase{"between_two_entries", 3, 4, 0, 0},
                      KillCase{"after_the_first_store", 3, 5, 1, 0},
                      KillCase{"after_the_second_store", 3, 6, 2, 1},
                      KillCase{"in_the_second_group", kGroup + 2, 2 * kGroup + 3, kGroup, kGroup}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
