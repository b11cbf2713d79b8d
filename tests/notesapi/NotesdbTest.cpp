// The notesdb program against the stand-in library: usage, failures, and
// round trips through its dump form.
#include <gtest/gtest.h>

#include <sstream>

#include "NotesFolder.h"
#include "RunProgram.h"
#include "TestSupport.h"
#include "notesapi/notesdb/DumpFile.h"

using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

// Every item type, the escapes, repeated names and flags.
const char kSample[] =
    "# written by hand\n"
    "[note 0]\n"
    "Form: Person\n"
    "Subject: Line one\\nline two\\0after a zero\\r\\n\\ttab \\\\ back\n"
    "Categories: [list] \"Business\" \"VIP\" \"with \\\"quotes\\\"\" \"\"\n"
    "Bracket: \\[not a marker]\n"
    "RepeatFor: [number] 5\n"
    "Offset: [number] -0.25\n"
    "Start: [time] 2007-02-03 13:05:09\n"
    "Midnight: [time] 2007-02-03 00:30:00.50\n"
    "Birthday: [time] 1980-02-29\n"
    "Clock: [time] 12:00:00\n"
    "Zoned: [time] raw 0x00000064 0x4525723A\n"
    "Body: [richtext] 82FF46000100000000000000A005000000A0050000D002000000000000000000000000"
    "00000000000000000000000000000000000000000000000000000000000000000000000000000000"
    "83040100810285FF0D0001000000A48692A4920000\n"
    "Range: [type=0x0301] 010000000000000000001440\n"
    "Plain: [flags=0x0000] not a summary item\n"
    "Empty:\n"
    "Dup: first\n"
    "Dup: second\n"
    "City: Z\xFCrich\n"
    "we\\:ird\\[name\\]: x\n"
    "\n"
    "[note 0]\n"
    "Form: Task\n"
    "\n";

class NotesdbTest : public ::testing::Test {
protected:
    RunResult Run(const std::vector<std::string>& args, const std::string& input = "") {
        return RunProgram(NOTESDB_PROGRAM, args, m_dir.Path(), input);
    }
    // Runs and expects success; returns standard output.
    std::string Ok(const std::vector<std::string>& args, const std::string& input = "") {
        RunResult r = Run(args, input);
        EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
        return r.out;
    }
    std::string Db(const std::string& name) {
        Ok({"create", "Data/" + name});
        return "Data/" + name;
    }

    static std::vector<DbNote> Parse(const std::string& text) {
        std::istringstream in(text);
        std::vector<DbNote> notes;
        std::string error;
        EXPECT_TRUE(ReadDump(in, &notes, &error)) << error;
        return notes;
    }

    testsupport::NotesFolder m_dir{""};
};

void ExpectSameItems(const std::vector<DbNote>& a, const std::vector<DbNote>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t n = 0; n < a.size(); ++n) {
        ASSERT_EQ(a[n].items.size(), b[n].items.size()) << "note " << n;
        for (std::size_t i = 0; i < a[n].items.size(); ++i) {
            const DbItem &x = a[n].items[i], &y = b[n].items[i];
            EXPECT_EQ(x.name, y.name);
            EXPECT_EQ(x.type, y.type) << x.name;
            EXPECT_EQ(x.flags, y.flags) << x.name;
            EXPECT_EQ(x.value, y.value) << x.name;
        }
    }
}

} // namespace

TEST_F(NotesdbTest, HelpDescribesTheCommands) {
    RunResult r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word :
         {"Usage: notesdb", "create DB", "acl DB USER LEVEL", "id FILE", "import DB", "dump DB",
          "delete DB NOTEID", "seed DB KIND COUNT", "title DB", "convert DB", "Exit status"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    EXPECT_EQ(Run({"dump", "--help"}).status, 0);
}

TEST_F(NotesdbTest, UsageErrorsExitWithTwoAndSayWhy) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"--verbose", "dump", "x"}, "unknown option --verbose"},
        {{"--notes"}, "--notes needs a value"},
        {{"--id", "a.id", "dump", "x"}, "--id needs --password"},
        {{"create"}, "usage: notesdb create DB"},
        {{"dump", "a", "b", "c"}, "usage: notesdb dump DB [FILE]"},
        {{"acl", "x.nsf", "Ann", "boss"}, "unknown access level \"boss\""},
        {{"delete", "x.nsf", "12", "x"}, "bad note ID \"x\""},
        {{"delete", "x.nsf", "0"}, "bad note ID \"0\""},
        {{"seed", "x.nsf", "notes", "5"}, "unknown kind \"notes\""},
        {{"seed", "x.nsf", "tasks", "-5"}, "bad count \"-5\""},
        {{"seed", "x.nsf", "tasks", "5", "1x"}, "bad seed \"1x\""},
    };
    for (const auto& c : cases) {
        RunResult r = Run(c.first);
        EXPECT_EQ(r.status, 2) << c.second;
        EXPECT_NE(r.err.find(std::string("notesdb: ") + c.second), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(NotesdbTest, FailedOperationsExitWithOne) {
    std::string db = Db("a.nsf");
    WriteFile(m_dir.File("broken.txt"), "[note 1]\nN: [number] many\n");
    WriteFile(m_dir.File("Data/text.nsf"), "not a database");
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"create", db}, "cannot create"},
        {{"dump", "Data/missing.nsf"}, "cannot open"},
        {{"dump", "Data/text.nsf"}, "cannot open"},
        {{"import", db, "broken.txt"}, "broken.txt: line 2: bad [number] value"},
        {{"import", db, "nothing.txt"}, "cannot read"},
        {{"delete", db, "77"}, "cannot delete note 77"},
        {{"--notes", "nowhere", "dump", db}, "cannot change to nowhere"},
    };
    for (const auto& c : cases) {
        RunResult r = Run(c.first);
        EXPECT_EQ(r.status, 1) << c.second;
        EXPECT_NE(r.err.find(c.second), std::string::npos) << r.err;
    }
    EXPECT_EQ(Ok({"dump", db}), ""); // nothing half-imported
}

TEST_F(NotesdbTest, ImportThenDumpReproducesEveryItem) {
    WriteFile(m_dir.File("sample.txt"), kSample);
    std::string a = Db("a.nsf"), b = Db("b.nsf");
    Ok({"import", a, "sample.txt"});
    std::string first = Ok({"dump", a});
    ExpectSameItems(Parse(first), Parse(kSample));

    Ok({"dump", a, "first.txt"});
    EXPECT_EQ(ReadFile(m_dir.File("first.txt")), first);
    Ok({"import", b}, m_dir.File("first.txt")); // from standard input
    EXPECT_EQ(Ok({"dump", b}), first);
}

TEST_F(NotesdbTest, TextIsUtf8OnTheLineAndTheCodePageOfEarlierDumpsIsRead) {
    WriteFile(m_dir.File("texts.txt"), "[note 0]\n"
                                       "Name: M\xC3\xBCller \xE2\x82\xAC\n"
                                       "Old: Z\xFCrich\n"
                                       "Emoji: a\xF0\x9F\x98\x80\n"
                                       "Tags: [list] \"\xC5\x81\xC3\xB3\x64\xC5\xBA\" \"x\"\n");
    const std::string db = Db("texts.nsf");
    const RunResult imported = Run({"import", db, "texts.txt"});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.err.find("1 character(s) had no form"), std::string::npos) << imported.err;
    Ok({"set", db, "1", "Caf\xC3\xA9", "\xE2\x82\xAC 5"});
    const std::string dump = Ok({"dump", db});
    for (const char* line : {"Name: M\xC3\xBCller \xE2\x82\xAC", "Old: Z\xC3\xBCrich", "Emoji: a?",
                             "Tags: [list] \"\xC5\x81\xC3\xB3\x64\xC5\xBA\" \"x\"",
                             "Caf\xC3\xA9: \xE2\x82\xAC 5"})
        EXPECT_NE(dump.find(std::string(line) + "\n"), std::string::npos) << line << "\n" << dump;
}

TEST_F(NotesdbTest, TitlesAreSetAndShown) {
    const std::string db = Db("titled.nsf");
    EXPECT_EQ(Ok({"title", db}), "\n");
    Ok({"title", db, "R\xC3\xA9sum\xC3\xA9 \xE2\x82\xAC"});
    EXPECT_EQ(Ok({"title", db}), "R\xC3\xA9sum\xC3\xA9 \xE2\x82\xAC\n");
    EXPECT_EQ(Run({"title", "Data/missing.nsf"}).status, 1);
}

TEST_F(NotesdbTest, ConvertLeavesACurrentDatabaseAsItIs) {
    const std::string db = Db("current.nsf");
    EXPECT_EQ(Ok({"convert", db}), m_dir.File(db) + ": its text was LMBCS already\n");
    EXPECT_EQ(Run({"convert", "Data/missing.nsf"}).status, 1);
}

TEST_F(NotesdbTest, SeededDatabasesRoundTripAndRepeat) {
    for (const char* kind : {"contacts", "appointments", "tasks"}) {
        SCOPED_TRACE(kind);
        std::string name = kind;
        std::string a = Db(name + "-a.nsf"), b = Db(name + "-b.nsf"), c = Db(name + "-c.nsf");
        Ok({"seed", a, kind, "40"});
        std::string dump = Ok({"dump", a, name + ".txt"});
        dump = ReadFile(m_dir.File(name + ".txt"));
        EXPECT_EQ(Parse(dump).size(), 40u);
        Ok({"import", b, name + ".txt"});
        EXPECT_EQ(Ok({"dump", b}), dump);
        // The same seed gives the same documents; fewer are a prefix.
        Ok({"seed", c, kind, "10"});
        std::string prefix = Ok({"dump", c});
        EXPECT_EQ(dump.compare(0, prefix.size(), prefix), 0);
        EXPECT_NE(Ok({"dump", Db(name + "-d.nsf")}), prefix);
    }
}

TEST_F(NotesdbTest, AnotherSeedGivesOtherDocuments) {
    std::string a = Db("a.nsf"), b = Db("b.nsf");
    Ok({"seed", a, "tasks", "5"});
    Ok({"seed", b, "tasks", "5", "2"});
    EXPECT_NE(Ok({"dump", a}), Ok({"dump", b}));
}

TEST_F(NotesdbTest, DeleteRemovesTheNamedDocuments) {
    std::string db = Db("a.nsf");
    Ok({"seed", db, "tasks", "4"});
    std::vector<DbNote> before = Parse(Ok({"dump", db}));
    ASSERT_EQ(before.size(), 4u);
    Ok({"delete", db, std::to_string(before[1].id), std::to_string(before[3].id)});
    std::vector<DbNote> after = Parse(Ok({"dump", db}));
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].id, before[0].id);
    EXPECT_EQ(after[1].id, before[2].id);
    EXPECT_EQ(Run({"delete", db, std::to_string(before[1].id)}).status, 1);
}

TEST_F(NotesdbTest, AccessListsAndIdFilesGovernTheUser) {
    std::string db = Db("mail.nsf");
    Ok({"seed", db, "appointments", "2"});
    Ok({"id", "Data/ann.id", "Ann Lee/Example", "secret"});
    Ok({"id", "Data/bob.id", "Bob Kay/Example", "hidden"});
    EXPECT_EQ(Run({"id", "Data/ann.id", "Ann Lee/Example", "other"}).status, 1);
    EXPECT_EQ(ReadFile(m_dir.File("Data/ann.id")).find("secret"), std::string::npos);
    Ok({"acl", db, "Ann Lee/Example", "editor"});
    Ok({"acl", db, "Bob Kay/Example", "reader"});
    Ok({"acl", db, "-Default-", "none"});

    const std::vector<std::string> ann = {"--id", "Data/ann.id", "--password", "secret"};
    const std::vector<std::string> bob = {"--id", "Data/bob.id", "--password", "hidden"};
    auto as = [](std::vector<std::string> who, std::vector<std::string> args) {
        who.insert(who.end(), args.begin(), args.end());
        return who;
    };
    std::string dump = Ok(as(ann, {"dump", db}));
    EXPECT_EQ(Parse(dump).size(), 2u);
    EXPECT_EQ(Ok(as(bob, {"dump", db})), dump);
    Ok(as(ann, {"seed", db, "tasks", "1"}));
    RunResult denied = Run(as(bob, {"seed", db, "tasks", "1"}));
    EXPECT_EQ(denied.status, 1);
    EXPECT_NE(denied.err.find("not authorized"), std::string::npos) << denied.err;
    RunResult wrong = Run({"--id", "Data/ann.id", "--password", "Secret", "dump", db});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("Wrong Password"), std::string::npos) << wrong.err;
}
