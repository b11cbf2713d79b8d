// vxln-batch as a program against a stand-in Notes installation, through
// the real helper hosts beside it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "NotesInstall.h"

namespace {

struct Result {
    int status = -1;
    std::string out; // standard output and error
};

Result Batch(const std::string& args) {
    Result r;
    const std::string command =
        std::string("'") + VXLN_BATCH_PROGRAM + "' " + args + " 2>&1 </dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        r.out.append(chunk.data(), n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

class BatchEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        notes.Notesdb("create '" + notes.DataFile("names.nsf") + "'");
        notes.Notesdb("seed '" + notes.DataFile("names.nsf") + "' contacts 6");
    }
    std::string Db() const { return "--contacts-db '" + notes.DataFile("names.nsf") + "'"; }

    NotesInstall notes;
};

TEST_F(BatchEndToEnd, UpdatesTheChosenContactsInTheDatabase) {
    const std::string before = notes.Dump("names.nsf");
    const Result r =
        Batch("contacts " + Db() + " --where 'Last Name=ivanova' --set 'Last Name=Miller'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(
        r.out.find("Application Type: Lotus Notes Contacts\nFields to Update: 1 fields in total\n"),
        std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Result: Records updating successfully.\n"), std::string::npos) << r.out;
    const std::string after = notes.Dump("names.nsf");
    EXPECT_NE(after.find("LastName: Miller"), std::string::npos);
    EXPECT_EQ(after.find("LastName: Ivanova"), std::string::npos);
    EXPECT_NE(before.find("LastName: Ivanova"), std::string::npos);
}

TEST_F(BatchEndToEnd, DryRunLeavesTheDatabaseAlone) {
    const std::string before = notes.Dump("names.nsf");
    const Result r = Batch("contacts " + Db() +
                           " --dry-run --where 'Last Name=Ivanova' --append 'Last Name=-X'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("  Last Name: \"Ivanova\" -> \"Ivanova-X\"\n"), std::string::npos)
        << r.out;
    EXPECT_EQ(notes.Dump("names.nsf"), before);
}

TEST_F(BatchEndToEnd, AWriteBackThatNotesRefusesIsReportedAsFailed) {
    notes.Notesdb("acl '" + notes.DataFile("names.nsf") + "' -Default- reader");
    const std::string before = notes.Dump("names.nsf");
    const Result r =
        Batch("contacts " + Db() + " --where 'Last Name=Ivanova' --set 'Last Name=Miller'");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("Records Upated: 1 records in total\nResult: "), std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("Records updating successfully."), std::string::npos) << r.out;
    EXPECT_EQ(notes.Dump("names.nsf"), before);
}

TEST_F(BatchEndToEnd, AMissingDatabaseFailsTheLoad) {
    const Result r = Batch("contacts --contacts-db '" + notes.DataFile("missing.nsf") +
                           "' --set 'Last Name=Miller'");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_EQ(r.out.rfind("vxln-batch: ", 0), 0u) << r.out;
}

} // namespace
