// vxln-batch as a program against a stand-in Notes installation, through
// the real helper hosts beside it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "BatchCommand.h"
#include "NotesInstall.h"

namespace {

using Result = BatchResult;

Result Batch(const std::string& args, const std::string& input = "/dev/null") {
    return RunBatchProgram(args, input);
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
    const std::string bytes = testsupport::ReadFile(notes.DataFile("names.nsf"));
    const Result r = Batch("contacts " + Db() +
                           " --dry-run --where 'Last Name=Ivanova' --append 'Last Name=-X'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("  Last Name: \"Ivanova\" -> \"Ivanova-X\"\n"), std::string::npos)
        << r.out;
    EXPECT_TRUE(testsupport::ReadFile(notes.DataFile("names.nsf")) == bytes);
    EXPECT_EQ(notes.Dump("names.nsf"), before);
}

TEST_F(BatchEndToEnd, AWriteBackThatNotesRefusesIsReportedAsFailed) {
    notes.Notesdb("acl '" + notes.DataFile("names.nsf") + "' -Default- reader");
    const std::string before = notes.Dump("names.nsf");
    const Result r =
        Batch("contacts " + Db() + " --where 'Last Name=Ivanova' --set 'Last Name=Miller'");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("Records Upated: 1 records in total\n0 of 1 records were written before "
                         "the helper program ended.\nResult: "),
              std::string::npos)
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

// Calendar entries and tasks live in the user's mail database, opened after a
// switch to the user's ID file.
std::string WithoutLocations(const std::string& lines) {
    std::istringstream in(lines);
    std::string out, line;
    while (std::getline(in, line))
        if (line.rfind("Location: ", 0) != 0)
            out += line + "\n";
    return out;
}

class BatchMailEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string db = notes.DataFile("mail/nina.nsf");
        notes.Notesdb("id '" + notes.DataFile("nina.id") + "' 'Nina Novak' secret");
        notes.Notesdb("create '" + db + "'");
        notes.Notesdb("seed '" + db + "' appointments 8");
        notes.Notesdb("seed '" + db + "' tasks 8");
        testsupport::WriteFile(password.File("pw"), "secret\n");
    }
    std::string Access() const {
        return " --mail-db mail/nina.nsf --id-file '" + notes.DataFile("nina.id") +
               "' --password-stdin ";
    }
    // The lines starting with `item` of the documents of `form`, in dump order.
    std::string Lines(const std::string& form, const std::string& item) const {
        std::istringstream dump(notes.Dump("mail/nina.nsf"));
        std::string out, block, line;
        bool ofForm = false;
        auto flush = [&] {
            if (ofForm)
                out += block;
            block.clear();
            ofForm = false;
        };
        while (std::getline(dump, line)) {
            if (line.rfind("[note ", 0) == 0)
                flush();
            ofForm = ofForm || line == "Form: " + form;
            if (line.rfind(item, 0) == 0)
                block += line + "\n";
        }
        flush();
        return out;
    }

    NotesInstall notes;
    testsupport::TempDir password;
};

TEST_F(BatchMailEndToEnd, UpdatesEveryCalendarEntry) {
    const std::string appointments = WithoutLocations(Lines("Appointment", ""));
    const std::string tasks = Lines("Task", "");
    const Result r = Batch("calendar" + Access() + "--set 'Location=Room 7'", password.File("pw"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Application Type: Lotus Notes Calendar\n"), std::string::npos) << r.out;
    const std::string locations = Lines("Appointment", "Location: ");
    EXPECT_NE(locations.find("Location: Room 7"), std::string::npos) << locations;
    for (size_t at = 0; (at = locations.find("Location: ", at)) != std::string::npos; ++at)
        EXPECT_EQ(locations.compare(at, 17, "Location: Room 7\n"), 0) << locations;
    // Every other item, repeat items, rich-text bodies and "$" items among
    // them, is as it was, and no body was added.
    EXPECT_EQ(WithoutLocations(Lines("Appointment", "")), appointments);
    EXPECT_EQ(Lines("Task", ""), tasks);
}

TEST_F(BatchMailEndToEnd, MarksTasksPrivateAndRefusesAnImportanceWithoutChoices) {
    const std::string before = notes.Dump("mail/nina.nsf");
    const Result refused = Batch("tasks" + Access() + "--choice 'Importance=High'", password.File("pw"));
    EXPECT_EQ(refused.status, 2) << refused.out;
    EXPECT_EQ(notes.Dump("mail/nina.nsf"), before);

    const Result r = Batch("tasks" + Access() + "--true Private --append 'Subject= (done)'",
                           password.File("pw"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Application Type: Lotus Notes Tasks\n"), std::string::npos) << r.out;
    const std::string subjects = Lines("Task", "Subject: ");
    size_t done = 0;
    for (size_t at = 0; (at = subjects.find(" (done)\n", at)) != std::string::npos; ++at)
        ++done;
    EXPECT_EQ(done, 8u) << subjects;
    EXPECT_EQ(Lines("Task", "$PublicAccess: 1"), "") << "every task is private now";
    EXPECT_NE(Lines("Appointment", "$PublicAccess: 1"), "") << "appointments untouched";
}

// The newest run "vxln-batch journal" lists, and the whole listing.
std::string NewestRun(std::string* listing = nullptr) {
    const Result r = Batch("journal");
    EXPECT_EQ(r.status, 0) << r.out;
    if (listing)
        *listing = r.out;
    return r.out.substr(0, r.out.find(' '));
}

TEST_F(BatchEndToEnd, UndoPutsTheContactsBackAndIsJournaledItself) {
    EXPECT_EQ(Batch("journal").out, "No run has been journaled yet.\n");
    const std::string before = notes.Dump("names.nsf");
    ASSERT_EQ(Batch("contacts " + Db() + " --set 'Job Title=Clerk'").status, 0);
    std::string listing;
    const std::string run = NewestRun(&listing);
    EXPECT_NE(listing.find("  contacts  " + notes.DataFile("names.nsf") + "  6 documents, 6 items changed\n"),
              std::string::npos)
        << listing;
    const std::string changed = notes.Dump("names.nsf");

    const Result dry = Batch("undo " + run + " --dry-run");
    EXPECT_EQ(dry.status, 0) << dry.out;
    EXPECT_EQ(dry.out, "Dry run: 6 items would be put back, 0 left; nothing was changed.\n");
    EXPECT_EQ(notes.Dump("names.nsf"), changed);

    const Result r = Batch("undo " + run);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.rfind("Undo of " + run + ": 6 items put back, 0 left. Its own journal: ", 0), 0u)
        << r.out;
    EXPECT_EQ(notes.Dump("names.nsf"), before);
    const std::string undo = NewestRun(&listing);
    EXPECT_NE(listing.find("(undo of " + run + ")\n"), std::string::npos) << listing;
    EXPECT_NE(listing.find(" 6 items changed (undone by " + undo + ")\n"), std::string::npos)
        << listing;

    const Result missing = Batch("undo no-such-run");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "vxln-batch: There is no journal of a run named \"no-such-run\".\n");
}

TEST_F(BatchMailEndToEnd, UndoPutsCalendarEntriesAndTasksBack) {
    const struct {
        const char* kind;
        const char* update;
    } cases[] = {{"calendar", "--set 'Location=Room 7'"}, {"tasks", "--append 'Subject= (done)'"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const std::string before = notes.Dump("mail/nina.nsf");
        ASSERT_EQ(Batch(std::string(c.kind) + Access() + c.update, password.File("pw")).status, 0);
        EXPECT_NE(notes.Dump("mail/nina.nsf"), before);
        const Result r = Batch(Access() + "undo " + NewestRun(), password.File("pw"));
        EXPECT_EQ(r.status, 0) << r.out;
        EXPECT_EQ(notes.Dump("mail/nina.nsf"), before);
    }
}

} // namespace
