// The journal a write-back through the real helper host leaves: exactly the
// items a dump comparison shows changed, with their old and new values.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "SeededContacts.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/misc/CxString.h"

namespace {

using Lines = std::vector<nlohmann::json>;

// Item names compare without case.
std::string Key(const std::string& note, std::string item) {
    for (char& c : item)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return note + "/" + item;
}

// "note ID/item" to its dump line, for every item of every document.
std::map<std::string, std::string> Items(const std::string& dump) {
    std::map<std::string, std::string> items;
    std::istringstream in(dump);
    std::string line, note;
    while (std::getline(in, line)) {
        if (line.rfind("[note ", 0) == 0)
            note = line.substr(6, line.size() - 7);
        else if (!line.empty())
            items[Key(note, line.substr(0, line.find(':')))] = line;
    }
    return items;
}

Lines ReadJournal(const std::string& path) {
    Lines lines;
    std::istringstream in(testsupport::ReadFile(path));
    std::string line;
    while (std::getline(in, line))
        lines.push_back(nlohmann::json::parse(line));
    return lines;
}

TEST(Journal, ListsExactlyTheChangedItemsWithTheirOldValues) {
    NotesInstall notes;
    CxLNAddrUtil util;
    SeedContacts(notes, 5, &util);
    const auto before = Items(notes.Dump("names.nsf"));
    ASSERT_TRUE(util.LoadAll()) << util.GetLastErrorMsg();
    int index = 0;
    for (tagCxLNAddrRec* rec = util.GetFirstRec(); rec; rec = util.GetNextRec(), ++index) {
        if (index == 1 || index == 3) {
            CxStrCopy(rec->szLastName, "Miller");
            CxStrCopy(rec->szCompany, "Zembrik \xe9tudes");
            MarkModified(rec);
        }
        if (index == 4)
            rec->nAction = LN_ACTION_DELETE;
    }
    util.SetDirty(true);
    ASSERT_TRUE(util.SubmitChanges()) << util.GetLastErrorMsg();
    const auto after = Items(notes.Dump("names.nsf"));

    const std::string folder = notes.WizardFolder() + "journal/";
    struct stat st {};
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    std::vector<std::string> files = LNJournalRunNames(notes.WizardFolder());
    ASSERT_EQ(files.size(), 1u);
    files[0] = folder + files[0] + ".jsonl";
    ASSERT_EQ(stat(files[0].c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const Lines lines = ReadJournal(files[0]);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0]["kind"], "contacts");
    EXPECT_EQ(lines[0]["database"], "names.nsf");
    EXPECT_TRUE(lines[0]["time"].is_string());
    EXPECT_TRUE(lines[0].contains("user"));
    EXPECT_EQ(testsupport::ReadFile(files[0]).find("secret"), std::string::npos);

    // What the dump shows changed, item by item, and what the journal says.
    std::map<std::string, std::string> changed, journaled, committed;
    for (const auto& [key, line] : before)
        if (!after.count(key) || after.at(key) != line)
            changed[key] = line;
    for (const auto& [key, line] : after)
        if (!before.count(key))
            changed[key] = "";
    for (const nlohmann::json& line : lines) {
        if (line.contains("committed")) {
            committed[std::to_string(line["doc"].get<unsigned>())] = line["committed"].dump();
            continue;
        }
        if (!line.contains("items"))
            continue;
        const std::string doc = std::to_string(line["doc"].get<unsigned>());
        for (const nlohmann::json& item : line["items"]) {
            const std::string key = Key(doc, item["name"].get<std::string>());
            journaled[key] = item["old"].is_null() ? "" : before.at(key);
            if (!item["old"].is_null() && item["old"]["type"] == "text") {
                const std::string& line = before.at(key);
                EXPECT_EQ(line.substr(line.find(':')), ": " + item["old"]["value"].get<std::string>());
            }
        }
    }
    EXPECT_EQ(journaled, changed);
    EXPECT_EQ(committed, (std::map<std::string, std::string>{{"2", "true"}, {"4", "true"}, {"5", "true"}}));
    EXPECT_NE(testsupport::ReadFile(files[0]).find("Zembrik \xc3\xa9tudes"), std::string::npos);
}

TEST(Journal, WithoutOneNothingIsStored) {
    NotesInstall notes;
    CxLNAddrUtil util;
    SeedContacts(notes, 3, &util);
    const std::string original = notes.Dump("names.nsf");
    ASSERT_TRUE(util.LoadAll()) << util.GetLastErrorMsg();
    for (tagCxLNAddrRec* rec = util.GetFirstRec(); rec; rec = util.GetNextRec()) {
        CxStrCopy(rec->szLastName, "Miller");
        MarkModified(rec);
    }
    util.SetDirty(true);
    // A file where the journal folder belongs.
    testsupport::WriteFile(notes.WizardFolder() + "journal", "");
    EXPECT_FALSE(util.SubmitChanges());
    EXPECT_NE(std::string(util.GetLastErrorMsg()).find("Can not write the journal of this run"),
              std::string::npos)
        << util.GetLastErrorMsg();
    EXPECT_EQ(notes.Dump("names.nsf"), original);
}

} // namespace
