// vxln-batch in-process on the wizard's controller, with data objects that
// read and write prepared exchange files instead of running helpers.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "tests/wizard/FakeNotes.h"
#include "wizard/batch/BatchRun.h"
#include "wizard/controller/Apputil.h"

namespace {

std::string Drain(std::FILE* f) {
    std::rewind(f);
    std::string text;
    for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f))
        text += static_cast<char>(c);
    return text;
}

class BatchRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[260];
        ASSERT_TRUE(GetDataFolder(folder));
        m_folder = folder;
        const tagCxLNAddrRec recs[] = {MakeContact("11", "John", "Smith"),
                                       MakeContact("12", "Mary", "Jones", "Globex"),
                                       MakeContact("13", "Ann", "smith")};
        ASSERT_TRUE((WriteExchangeFile<CxLNAddrUtil>(m_folder, recs, 3)));
    }

    int Run(std::vector<const char*> args, const std::string& input = "") {
        args.insert(args.begin(), "vxln-batch");
        std::FILE* in = std::tmpfile();
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        std::fputs(input.c_str(), in);
        std::rewind(in);
        const int rc =
            RunBatch(static_cast<int>(args.size()), args.data(), {in, out, err}, &factory);
        this->out = Drain(out);
        this->err = Drain(err);
        std::fclose(in);
        std::fclose(out);
        std::fclose(err);
        return rc;
    }

    std::vector<std::string> LastNames() {
        CxLNAddrUtil util;
        util.SetTempFilePath(m_folder.c_str());
        EXPECT_TRUE(util.LoadFromFile(nullptr));
        std::vector<std::string> names;
        for (tagCxLNAddrRec* r = util.GetFirstRec(); r; r = util.GetNextRec())
            names.push_back(r->szLastName);
        return names;
    }

    testsupport::IsolatedEnv env;
    FakeFactory factory;
    std::string m_folder, out, err;
};

TEST_F(BatchRunTest, UpdatesTheMatchingRecordsAndReports) {
    EXPECT_EQ(Run({"contacts", "--no-password", "--where", "last name=SMITH", "--set",
                   "Last Name=M\xC3\xBCller", "--append", "First Name=ny"}),
              0)
        << err;
    EXPECT_EQ(out, "Application Type: Lotus Notes Contacts\n"
                   "Fields to Update: 2 fields in total\n"
                   "Records Upated: 2 records in total\n"
                   "Result: Records updating successfully.\n");
    EXPECT_EQ(factory.journal.submits, 1);
    EXPECT_EQ(LastNames(), (std::vector<std::string>{"M\xFCller", "Jones", "M\xFCller"}));
}

TEST_F(BatchRunTest, DryRunPrintsTheChangesAndWritesNothing) {
    EXPECT_EQ(Run({"contacts", "--dry-run", "--where=Company=acme inc", "--set",
                   "Last Name=M\xC3\xBCller", "--set", "First Name=John", "--date",
                   "Birth Date=1980-05-17"}),
              0)
        << err;
    EXPECT_EQ(out, "Record 1 (note ID 11):\n"
                   "  Last Name: \"Smith\" -> \"M\xC3\xBCller\"\n"
                   "  Birth Date: (none) -> 1980-05-17\n"
                   "Record 2 (note ID 13):\n"
                   "  Last Name: \"smith\" -> \"M\xC3\xBCller\"\n"
                   "  First Name: \"Ann\" -> \"John\"\n"
                   "  Birth Date: (none) -> 1980-05-17\n"
                   "Dry run: 2 of 2 selected records would change; nothing was written back.\n");
    EXPECT_EQ(factory.journal.submits, 0);
    EXPECT_EQ(LastNames(), (std::vector<std::string>{"Smith", "Jones", "smith"}));
}

TEST_F(BatchRunTest, AFailedWriteBackExitsWithOneAndTheHelpersError) {
    factory.journal.submitResult = false;
    factory.journal.submitError = "Database is full";
    EXPECT_EQ(Run({"contacts", "--no-password", "--set", "Last Name=X"}), 1);
    // No journal was kept, so no record was written.
    EXPECT_NE(out.find("Records Upated: 3 records in total\n0 of 3 records were written before "
                       "the helper program ended.\nResult: Database is full\n"),
              std::string::npos)
        << out;
}

TEST_F(BatchRunTest, AFailedLoadExitsWithOneAndSaysWhy) {
    factory.journal.failLoad = true;
    factory.journal.loadError = "File does not exist";
    EXPECT_EQ(Run({"contacts", "--no-password", "--set", "Last Name=X"}), 1);
    EXPECT_EQ(err, "vxln-batch: File does not exist\n");
    EXPECT_EQ(out, "");
    EXPECT_EQ(Run({"tasks", "--no-password", "--set", "Subject=X"}), 1);
    EXPECT_EQ(err, "vxln-batch: Give the Domino server and the user name, or the path of the mail "
                   "database.\n");
}

TEST_F(BatchRunTest, NoMatchingRecordIsNoFailure) {
    EXPECT_EQ(
        Run({"contacts", "--no-password", "--where", "Last Name=Nobody", "--set", "Last Name=X"}),
        0);
    EXPECT_EQ(err, "vxln-batch: no record matches; nothing was updated.\n");
    EXPECT_EQ(factory.journal.submits, 0);
}

TEST_F(BatchRunTest, UsageErrorsExitWithTwoBeforeAnyLoad) {
    struct Case {
        std::vector<const char*> args;
        const char* message;
    } cases[] = {
        {{"--set", "Last Name=X"}, "Give the record kind: contacts, calendar or tasks."},
        {{"notes", "--set", "Subject=X"}, "Unknown record kind \"notes\"."},
        {{"contacts"}, "Please add some field updating information."},
        {{"contacts", "--set", "Last Name=X", "--where", "Shoe Size=9"},
         "Unknown column \"Shoe Size\" in --where."},
        {{"contacts", "--set", "Last Name=X", "--where", "Company"},
         "Write the condition as COLUMN=VALUE."},
        {{"contacts", "--append", "Last Name="},
         "--append \"Last Name=\": The append string value can not be empty. Please enter some "
         "content."},
        {{"--list-fields", "notes"}, "Unknown record kind \"notes\"."},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.message);
        EXPECT_EQ(Run(k.args), 2);
        EXPECT_EQ(err, std::string("vxln-batch: ") + k.message + "\nTry 'vxln-batch --help'.\n");
    }
    EXPECT_EQ(factory.journal.loads, 0);
}

TEST_F(BatchRunTest, UpdatesFromAFile) {
    testsupport::WriteFile(env.Dir().File("u.txt"), "# contacts\nset Last Name=Miller\nbogus\n");
    EXPECT_EQ(Run({"contacts", "--updates", env.Dir().File("u.txt").c_str()}), 2);
    EXPECT_NE(err.find("u.txt:3: unknown update \"bogus\"."), std::string::npos);
    testsupport::WriteFile(env.Dir().File("u.txt"),
                           "set Last Name=Miller\r\nappend Last Name=!\r\n");
    EXPECT_EQ(Run({"contacts", "--no-password", "--updates", env.Dir().File("u.txt").c_str()}), 0)
        << err;
    EXPECT_EQ(LastNames(), (std::vector<std::string>{"Miller!", "Miller!", "Miller!"}));
}

TEST_F(BatchRunTest, AccessOptionsOverrideTheSettingsAndThePasswordComesFromInput) {
    EXPECT_EQ(Run({"contacts", "--password-stdin", "--contacts-db", "/db/names.nsf", "--server",
                   "Hub", "--set", "Last Name=X"},
                  "p\xC3\xA4ss\n"),
              0)
        << err;
    EXPECT_EQ(factory.journal.localName, "/db/names.nsf");
    EXPECT_EQ(factory.journal.server, "Hub");
    EXPECT_EQ(factory.journal.password, "p\xE4ss");
    EXPECT_EQ(factory.journal.tempPath, m_folder);
}

TEST_F(BatchRunTest, EmptyPathsTakeTheAccessPagesDefaults) {
    EXPECT_EQ(Run({"contacts", "--set", "Last Name=X"}), 0) << err;
    EXPECT_EQ(factory.journal.localName, env.LocalAppData() + "/Lotus/Notes/Data/names.nsf");
    EXPECT_EQ(factory.journal.password, ""); // no terminal: no password
    EXPECT_FALSE(testsupport::FileExists(m_folder + "zembrik.ini"));
}

TEST_F(BatchRunTest, TheWizardsSettingsAreReadButNeverWritten) {
    const std::string ini = m_folder + "zembrik.ini";
    const std::string text = "[LN-VX]\r\nAppFlag=2\r\nAddrFile=/from/settings.nsf\r\n";
    testsupport::WriteFile(ini, text);
    EXPECT_EQ(Run({"contacts", "--set", "Last Name=X"}), 0) << err;
    EXPECT_EQ(factory.journal.localName, "/from/settings.nsf");
    EXPECT_EQ(testsupport::ReadFile(ini), text);
}

TEST_F(BatchRunTest, HelpVersionAndFieldList) {
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(out.rfind("Usage: vxln-batch", 0), 0u);
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(out.rfind("vxln-batch ", 0), 0u);
    EXPECT_EQ(Run({"--list-fields", "calendar"}), 0);
    EXPECT_NE(out.find("Start Date & Time\tDate & Time\n"), std::string::npos);
}

} // namespace
