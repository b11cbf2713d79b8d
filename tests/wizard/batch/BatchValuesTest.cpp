// --values-from and --set-from through the real program and helper hosts,
// against a small stand-in contacts database: what each file sets, how the
// run reports it, every refusal with its file, line and column, and a large
// file run, checked item by item and undone.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BatchCommand.h"
#include "NotesInstall.h"

namespace {

// Notes 1 to 6 of the seed: these are their Business Email addresses.
const char kIvanova[] = "lukas.ivanova0@work.example.com";
const char kHansen[] = "tilda.hansen1@work.example.com";
const char kOkafor[] = "noah.okafor2@work.example.com";
const char kTanaka[] = "lukas.tanaka3@work.example.com";

class BatchValues : public ::testing::Test {
protected:
    void SetUp() override {
        notes.Notesdb("create '" + notes.DataFile("names.nsf") + "'");
        notes.Notesdb("seed '" + notes.DataFile("names.nsf") + "' contacts 6");
    }
    // The file `bytes` as v.csv, then vxln-batch contacts with `args`.
    BatchResult Run(const std::string& bytes, const std::string& args) {
        testsupport::WriteFile(File(), bytes);
        return RunBatchProgram("contacts --contacts-db '" + notes.DataFile("names.nsf") +
                               "' --values-from '" + File() + "' " + args);
    }
    std::string File() const { return notes.DataFile("v.csv"); }

    NotesInstall notes;
};

std::string Row(const std::string& key, const std::string& rest) {
    return key + "," + rest + "\r\n";
}

struct Accepted {
    const char* what;
    std::string bytes;
    std::string args;
    std::vector<std::string> shown; // lines of the output, each found in it
    std::vector<std::string> absent;
};

TEST_F(BatchValues, WhatEachFileSets) {
    const Accepted cases[] = {
        {"quotes and commas",
         "Business Email,Job Title\r\n" + Row(kIvanova, "\"Head, \"\"Ops\"\"\""),
         "--key 'Business Email' --dry-run",
         {"  Job Title: \"Director\" -> \"Head, \"Ops\"\"\n",
          "Values from v.csv by Business Email: 1 of 1 rows matched 1 record.\n",
          "  Job Title: 1 record\n"},
         {}},
        {"a line break inside quotes",
         "Business Email,Job Title\r\n" + Row(kIvanova, "\"Line one\r\nline two\"") +
             Row(kHansen, "Lead"),
         "--key 'Business Email' --dry-run",
         {"  Job Title: \"Director\" -> \"Line one\r\nline two\"\n",
          "  Job Title: \"Designer\" -> \"Lead\"\n",
          "Dry run: 2 of 2 selected records would change"},
         {}},
        {"a byte-order mark, LF endings, keys in another case and with blanks",
         "\xEF\xBB\xBF" "business email,JOB TITLE\n  TILDA.HANSEN1@Work.Example.com ,Lead\n",
         "--key 'business EMAIL' --dry-run",
         {"  Job Title: \"Designer\" -> \"Lead\"\n"},
         {}},
        {"the records' code page named",
         "Business Email,Job Title\r\n" + Row(kIvanova, "Caf\xE9 Owner \x80"),
         "--key 'Business Email' --encoding WINDOWS-1252 --dry-run",
         {"  Job Title: \"Director\" -> \"Caf\xC3\xA9 Owner \xE2\x82\xAC\"\n"},
         {}},
        {"empty cells leave fields, {clear} empties them",
         "Business Email,Job Title,Birth Date\r\n" + Row(kOkafor, ",1970-01-02") +
             Row(kTanaka, "{clear},"),
         "--key 'Business Email' --dry-run",
         {"  Birth Date: 1996-12-08 -> 1970-01-02\n", "  Job Title: \"Accountant\" -> \"\"\n",
          "  Job Title: 1 record\n", "  Birth Date: 1 record\n"},
         {"  Job Title: \"Accountant\" -> \"Accountant\""}},
        {"keys that match no record",
         "Business Email,Job Title\r\n" + Row("nobody@example.com", "A") + Row(kIvanova, "B") +
             Row("\"someone, else\"", "C"),
         "--key 'Business Email' --dry-run",
         {"Values from v.csv by Business Email: 1 of 3 rows matched 1 record.\n",
          "  2 keys matched no record:\n    \"nobody@example.com\" (line 2)\n"
          "    \"someone, else\" (line 4)\n"},
         {}},
        {"only records that --where selects",
         "Business Email,Job Title\r\n" + Row(kIvanova, "A") + Row(kHansen, "B"),
         "--key 'Business Email' --where 'Last Name= ivanova ' --dry-run",
         {"  Job Title: \"Director\" -> \"A\"\n", "1 of 2 rows matched 1 record.\n",
          "    \"" + std::string(kHansen) + "\" (line 3)\n"},
         {"-> \"B\""}},
        {"a key of several records updates them all",
         "Job Title,Department\r\nDirector,Board\r\n", "--key 'Job Title' --dry-run",
         {"\"Director\" (line 2) matched 2 records; each is updated.\n",
          "1 of 1 rows matched 2 records.\n", "  Department: 2 records\n"},
         {}},
        {"after the command line's updates, in their order",
         "Business Email,Job Title\r\n" + Row(kIvanova, "Head"),
         "--key 'Business Email' --append 'Job Title= (x)' --set 'Department=Ops' --dry-run",
         {"  Job Title: \"Director\" -> \"Head\"\n", "  Department: \"Logistics\" -> \"Ops\"\n",
          "Dry run: 1 of 1 selected records would change"},
         {"(x)"}},
        {"cut to the field's size and told",
         "Business Email,Business City\r\n" + Row(kIvanova, std::string(40, 'c')),
         "--key 'Business Email' --dry-run",
         {"  Business City: \"Osaka\" -> \"" + std::string(31, 'c') + "\"\n",
          "Cut to the field's size: Business City 1 record.\n"},
         {}},
    };
    for (const Accepted& k : cases) {
        SCOPED_TRACE(k.what);
        const std::string before = notes.Dump("names.nsf");
        const BatchResult r = Run(k.bytes, k.args);
        EXPECT_EQ(r.status, 0) << r.out;
        for (const std::string& line : k.shown)
            EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n---\n" << r.out;
        for (const std::string& text : k.absent)
            EXPECT_EQ(r.out.find(text), std::string::npos) << text << "\n---\n" << r.out;
        EXPECT_EQ(notes.Dump("names.nsf"), before);
    }
}

struct Refused {
    std::string bytes;
    std::string args;
    std::string error; // after "vxln-batch: "
};

TEST_F(BatchValues, EveryFaultIsRefusedBeforeAnythingLoads) {
    const std::string head = "Business Email,Job Title\r\n";
    const std::string key = "--key 'Business Email'";
    const Refused cases[] = {
        {head + "x,\"abc\r\n", key,
         "v.csv, line 2, column 2: the quote that begins this cell is not closed."},
        {head + "x,\"a\r\nb\r\n", key,
         "v.csv, line 2, column 2: the quote that begins this cell is not closed."},
        {head + "x,ab\"c\r\n", key,
         "v.csv, line 2, column 2: a quote is out of place at character 5; a cell with quotes is "
         "quoted whole, each of its quotes doubled."},
        {head + "x,\"ab\"c\r\n", key,
         "v.csv, line 2, column 2: a quote is out of place at character 7; a cell with quotes is "
         "quoted whole, each of its quotes doubled."},
        {head + "x,a\r\n\"y\r\nz\",b,c\r\n", key,
         "v.csv, line 4, column 3: the row has 3 cells, more than the 2 of the first row."},
        {"Business Email,Job Titel,Company Nmae\r\n", key,
         "v.csv, line 1, column 2: \"Job Titel\" is no field of contacts; did you mean \"Job "
         "Title\"?\nv.csv, line 1, column 3: \"Company Nmae\" is no field of contacts; did you "
         "mean \"Company Name\"?"},
        {"Job Title\r\nx\r\n", key, "v.csv, line 1: no column names the key field \"Business Email\"."},
        {"Business Email,Job Title,business email\r\n", key,
         "v.csv, line 1, column 3: column 1 names \"Business Email\" already."},
        {head + "a@b,1\r\nc@d,2\r\n A@B ,3\r\n", key,
         "v.csv, line 4, column 1: the key \" A@B \" is on line 2 already."},
        {head + ",1\r\n", key, "v.csv, line 2, column 1: the key is empty."},
        {"Business Email,Birth Date\r\na,1999-13-01\r\nb,{clear}\r\nc,x\r\n", key,
         "v.csv, line 2, column 2: \"Birth Date\": \"1999-13-01\" is no date; write it as "
         "YYYY-MM-DD.\nv.csv, line 4, column 2: \"Birth Date\": \"x\" is no date; write it as "
         "YYYY-MM-DD."},
        {head + "a,\xD0\x96uk\r\n", key,
         "v.csv, line 2, column 2: \"Job Title\": \"\xD0\x96uk\" holds a character that "
         "Windows-1252, the records' code page, does not have."},
        {head + "a,Caf\xE9\r\n", key,
         "v.csv, line 2: a byte is not UTF-8 at character 6; name the file's encoding."},
        {head, key + " --encoding NO-SUCH-ONE",
         "Unknown encoding \"NO-SUCH-ONE\" for v.csv; name one such as UTF-8 or WINDOWS-1252."},
        {"", key, "v.csv is empty: its first row names the fields, one a column."},
        {"Business Email\r\na\r\n", key,
         "v.csv names no field to set besides the key \"Business Email\"."},
        {head, "--key 'Busines Email'",
         "Unknown --key field \"Busines Email\" for contacts; did you mean \"Business Email\"? "
         "See --list-fields contacts."},
        {head, "", "Name the field that --values-from matches with --key FIELD."},
        {"Birth Date,Job Title\r\n", "--key 'Birth Date'",
         "v.csv, line 1, column 1: the key field \"Birth Date\" is no text field."},
    };
    const std::string before = notes.Dump("names.nsf");
    for (const Refused& k : cases) {
        SCOPED_TRACE(k.bytes + " " + k.args);
        const BatchResult r = Run(k.bytes, k.args);
        EXPECT_EQ(r.status, 2) << r.out;
        EXPECT_EQ(r.out, "vxln-batch: " + k.error + "\nTry 'vxln-batch --help'.\n");
    }
    EXPECT_EQ(notes.Dump("names.nsf"), before);
    const BatchResult alone = RunBatchProgram("contacts --key 'Business Email'");
    EXPECT_EQ(alone.status, 2);
    EXPECT_NE(alone.out.find("--key names the key field of --values-from FILE."),
              std::string::npos)
        << alone.out;
}

TEST_F(BatchValues, UnmatchedKeysGoIntoTheirFile) {
    std::string bytes = "Business Email,Job Title\r\n";
    for (int i = 0; i < 12; ++i)
        bytes += Row("nobody" + std::to_string(i) + "@example.com", "x");
    bytes += Row("\"a, \"\"quoted\"\" key\"", "y") + Row(kIvanova, "z");
    const std::string unmatched = notes.DataFile("unmatched.csv");
    const BatchResult r =
        Run(bytes, "--key 'Business Email' --dry-run --unmatched '" + unmatched + "'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("  13 keys matched no record:\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("    \"nobody9@example.com\" (line 11)\n    ... and 3 more; --unmatched "
                         "FILE lists them all.\n"),
              std::string::npos)
        << r.out;
    // libcsv quotes every cell it writes.
    std::string expected = "\"Business Email\"\r\n";
    for (int i = 0; i < 12; ++i)
        expected += "\"nobody" + std::to_string(i) + "@example.com\"\r\n";
    expected += "\"a, \"\"quoted\"\" key\"\r\n";
    EXPECT_EQ(testsupport::ReadFile(unmatched), expected);
}

TEST_F(BatchValues, ATemplateWithAnUnknownFieldIsRefused) {
    const BatchResult r = RunBatchProgram("contacts --set-from 'Display Name={Frist Name} x'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "vxln-batch: --set-from \"Display Name={Frist Name} x\": Unknown field "
                     "\"Frist Name\" in the template; did you mean \"First Name\"? See "
                     "--list-fields contacts.\nTry 'vxln-batch --help'.\n");
}

// note number -> item -> its line in the dump
typedef std::map<std::string, std::map<std::string, std::string>> Items;

Items ParseDump(const std::string& dump) {
    Items items;
    std::istringstream in(dump);
    std::string line, note;
    while (std::getline(in, line)) {
        if (line.rfind("[note ", 0) == 0)
            note = line;
        else if (line.find(": ") != std::string::npos)
            items[note][line.substr(0, line.find(": "))] = line;
    }
    return items;
}

// Every (note, item) whose line differs.
std::set<std::string> Changed(const Items& before, const Items& after) {
    std::set<std::string> changed;
    for (const auto& note : after)
        for (const auto& item : note.second) {
            const auto b = before.find(note.first);
            if (b == before.end() || b->second.count(item.first) == 0 ||
                b->second.at(item.first) != item.second)
                changed.insert(note.first + " " + item.first);
        }
    return changed;
}

TEST_F(BatchValues, AThousandRowsChangeExactlyTheirItemsAndAreUndone) {
    notes.Notesdb("create '" + notes.DataFile("big.nsf") + "'");
    notes.Notesdb("seed '" + notes.DataFile("big.nsf") + "' contacts 1100");
    const std::string before = notes.Dump("big.nsf");
    const Items old = ParseDump(before);
    // Rows for notes 1 to 990 by their Business Email, then ten of nobody's.
    std::string bytes = "Business Email,Job Title,Business Phone,Birth Date\r\n";
    std::set<std::string> expected;
    for (int n = 1; n <= 990; ++n) {
        const std::string note = "[note " + std::to_string(n) + "]";
        const std::string email = old.at(note).at("email_1").substr(9);
        const std::string title = n % 7 == 0 ? "" : "Title " + std::to_string(n);
        const std::string phone = n % 3 == 0 ? "" : "+1 555 " + std::to_string(n);
        const std::string birth = n % 5 == 0 ? "2001-02-03" : "";
        bytes += (n % 2 ? " " + email + " " : email) + "," + title + "," + phone + "," + birth +
                 (n % 2 ? "\r\n" : "\n");
        if (!title.empty())
            expected.insert(note + " JobTitle");
        if (!phone.empty())
            expected.insert(note + " OfficePhoneNumber");
        if (!birth.empty())
            expected.insert(note + " Birthday");
    }
    for (int i = 0; i < 10; ++i)
        bytes += "stranger" + std::to_string(i) + "@example.com,x,y,\r\n";
    testsupport::WriteFile(File(), bytes);
    const std::string db = "--contacts-db '" + notes.DataFile("big.nsf") + "'";
    const BatchResult r = RunBatchProgram("contacts " + db + " --values-from '" + File() +
                                          "' --key 'Business Email'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Values from v.csv by Business Email: 990 of 1000 rows matched 990 "
                         "records.\n  Job Title: 849 records\n  Business Phone: 660 records\n"
                         "  Birth Date: 198 records\n  10 keys matched no record:\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Records Upated: 990 records in total\nResult: Records updating "
                         "successfully.\n"),
              std::string::npos)
        << r.out;
    const std::string after = notes.Dump("big.nsf");
    EXPECT_EQ(Changed(old, ParseDump(after)), expected);
    const Items changed = ParseDump(after);
    EXPECT_EQ(changed.at("[note 2]").at("JobTitle"), "JobTitle: Title 2");
    EXPECT_EQ(changed.at("[note 10]").at("Birthday"), "Birthday: [time] 2001-02-03 00:00:00");

    const BatchResult journal = RunBatchProgram("journal");
    const std::string run = journal.out.substr(0, journal.out.find(' '));
    const BatchResult undo = RunBatchProgram(db + " undo " + run);
    ASSERT_EQ(undo.status, 0) << undo.out;
    EXPECT_EQ(undo.out.rfind("Undo of " + run + ": " + std::to_string(expected.size()) +
                                 " items put back, 0 left.",
                             0),
              0u)
        << undo.out;
    EXPECT_EQ(notes.Dump("big.nsf"), before);
}

} // namespace
