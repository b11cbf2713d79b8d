// vxln-batch and its real helper hosts when things go wrong at the process
// boundary: a helper killed mid write-back, an interrupted run, a refused
// password, hostile and unusable data folders, files left by a cut run.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "NotesInstall.h"
#include "ProcessWatch.h"
#include "RunProgram.h"

namespace {

const int kContacts = 300;

class BatchFaults : public ::testing::Test {
protected:
    void SetUp() override {
        notes.Notesdb("create '" + notes.DataFile("names.nsf") + "'");
        notes.Notesdb("seed '" + notes.DataFile("names.nsf") + "' contacts " +
                      std::to_string(kContacts));
    }

    // Documents, and last names that read "Miller" (item names in any case).
    static std::pair<int, int> Counts(const std::string& dump) {
        std::istringstream in(dump);
        std::pair<int, int> counts{0, 0};
        std::string line;
        while (std::getline(in, line)) {
            counts.first += line.rfind("[note ", 0) == 0;
            counts.second += strcasecmp(line.c_str(), "LastName: Miller") == 0;
        }
        return counts;
    }

    std::vector<std::string> SetLastName() const {
        return {"contacts", "--contacts-db", notes.DataFile("names.nsf"), "--set",
                "Last Name=Miller"};
    }
    RunResult Batch(const std::vector<std::string>& args, const std::string& input = "") const {
        return RunProgram(VXLN_BATCH_PROGRAM, args, notes.ProgramFolder(), input);
    }

    pid_t WriteBackUnderWay(pid_t batch) const {
        return ::WriteBackUnderWay(batch, notes.DataFile("names.nsf-wal"));
    }

    // Every contact has its new last name once, and none was added or lost.
    void ExpectConverged() const {
        EXPECT_EQ(Counts(notes.Dump("names.nsf")), std::make_pair(kContacts, kContacts));
    }

    NotesInstall notes;
};

TEST_F(BatchFaults, AHelperKilledMidWriteBackIsReportedAndARerunConverges) {
    const RunningProgram run =
        StartProgram(VXLN_BATCH_PROGRAM, SetLastName(), notes.ProgramFolder());
    const pid_t helper = WriteBackUnderWay(run.pid);
    ASSERT_GT(helper, 0) << "the write-back was not seen";
    ASSERT_EQ(kill(helper, SIGKILL), 0);
    const RunResult r = FinishProgram(run);

    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(r.out.find("Result: The run failed: the helper program Zembrik.LNAddrHost was "
                         "ended by signal 9 (Killed).\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("Records updating successfully."), std::string::npos);

    const RunResult again = Batch(SetLastName());
    ASSERT_EQ(again.status, 0) << again.out << again.err;
    ExpectConverged();
}

TEST_F(BatchFaults, AnInterruptedRunEndsItsHelperSaysSoAndLeavesNoParameterFile) {
    const RunningProgram run =
        StartProgram(VXLN_BATCH_PROGRAM, SetLastName(), notes.ProgramFolder());
    const pid_t helper = WriteBackUnderWay(run.pid);
    ASSERT_GT(helper, 0) << "the write-back was not seen";
    ASSERT_EQ(kill(run.pid, SIGTERM), 0);
    const RunResult r = FinishProgram(run);

    EXPECT_EQ(r.status, 1) << r.out << r.err;
    // The helper stopped at the next document and said so.
    EXPECT_NE(r.out.find("Result: The write-back stopped before its end: it was asked to stop. "
                         "The documents not reached were left as they are. (The run was "
                         "stopped: the helper program Zembrik.LNAddrHost exited with code 1.)"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(kill(helper, 0), -1); // ended and reaped
    for (const char* name : {"LNAddrParam.dat", "LNAddr.dat"})
        EXPECT_FALSE(testsupport::FileExists(notes.WizardFolder() + name)) << name;

    ASSERT_EQ(Batch(SetLastName()).status, 0);
    ExpectConverged();
}

TEST_F(BatchFaults, ARefusedPasswordReadsAndWritesNothing) {
    const std::string db = notes.DataFile("mail/nina.nsf");
    notes.Notesdb("id '" + notes.DataFile("nina.id") + "' 'Nina Novak' secret");
    notes.Notesdb("create '" + db + "'");
    notes.Notesdb("seed '" + db + "' tasks 5");
    const std::string before = notes.Dump("mail/nina.nsf");
    testsupport::TempDir input;
    testsupport::WriteFile(input.File("pw"), "wrong\n");

    const RunResult r =
        Batch({"tasks", "--mail-db", "mail/nina.nsf", "--id-file", notes.DataFile("nina.id"),
               "--password-stdin", "--set", "Subject=Taken over"},
              input.File("pw"));

    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(
        r.err.find("vxln-batch: Can not switch to user ID file: " + notes.DataFile("nina.id") +
                   ", error code=6408; message=Wrong Password. (Passwords are case "
                   "sensitive)\n"),
        std::string::npos)
        << r.err;
    EXPECT_EQ(notes.Dump("mail/nina.nsf"), before);
}

TEST_F(BatchFaults, WithoutAPasswordTheRunSaysWhichUserItRanAs) {
    notes.Notesdb("id '" + notes.DataFile("nina.id") + "' 'Nina Novak' secret");
    notes.Notesdb("id '" + notes.DataFile("desk.id") + "' 'Front Desk' ''");
    testsupport::WriteFile(notes.ProgramFolder() + "notes.ini",
                           "[Notes]\r\nDirectory=" + notes.ProgramFolder() +
                               "Data\r\nKeyFilename=desk.id\r\n");
    const std::string db = notes.DataFile("mail/nina.nsf");
    notes.Notesdb("create '" + db + "'");
    notes.Notesdb("seed '" + db + "' tasks 3");

    const RunResult r =
        Batch({"tasks", "--mail-db", "mail/nina.nsf", "--id-file", notes.DataFile("nina.id"),
               "--no-password", "--set", "Subject=Seen"});

    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const std::string notice = "The ID file " + notes.DataFile("nina.id") +
                               " was not used (Wrong Password. (Passwords are case sensitive)); "
                               "Lotus Notes was used as its current user Front Desk.";
    EXPECT_NE(r.err.find("vxln-batch: " + notice + "\n"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("Result: Records updating successfully. " + notice + "\n"),
              std::string::npos)
        << r.out;
}

TEST_F(BatchFaults, ARelativeDatabaseThatIsNotFoundNamesTheDataFolder) {
    const RunResult r = Batch({"contacts", "--contacts-db", "nosuch.nsf", "--set", "Suffix=Jr."});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("message=File does not exist; a relative path is looked for in the "
                         "Lotus Notes data folder " +
                         notes.ProgramFolder() + "Data\n"),
              std::string::npos)
        << r.err;
}

TEST_F(BatchFaults, AStaleParameterFileIsGoneWhenTheProgramStarts) {
    testsupport::WriteFile(notes.WizardFolder() + "LNTaskParam.dat", "a password left behind");
    Batch({"contacts", "--contacts-db", "nosuch.nsf", "--set", "Suffix=Jr."});
    EXPECT_FALSE(testsupport::FileExists(notes.WizardFolder() + "LNTaskParam.dat"));
}

// The folder's name reaches the helper byte for byte, and the log escaped:
// it forges no line and sends no escape sequence to a terminal.
TEST_F(BatchFaults, EveryByteOfTheDataFolderReachesTheHelper) {
    testsupport::TempDir hostile;
    const std::string name = "a\"b c $(touch pwned) `touch pwned`\nline\x1b[2J\\";
    const std::string appData = hostile.File(name);
    ASSERT_EQ(mkdir(appData.c_str(), 0700), 0);
    setenv("ZEMBRIK_APPDATA", appData.c_str(), 1);
    const std::string folder = appData + "/zembrik/LN-VX/";
    std::filesystem::create_directories(folder);
    testsupport::WriteFile(folder + "zembrik.ini", "[LN-VX]\r\nEnableDebug=1\r\n");
    const RunResult r = Batch(SetLastName());
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    ExpectConverged();
    EXPECT_FALSE(testsupport::FileExists(notes.ProgramFolder() + "pwned"));
    EXPECT_FALSE(testsupport::FileExists(hostile.File("pwned")));

    const std::string log = testsupport::ReadFile(folder + "appdebug.log");
    const std::string escaped = "a\\\"b c $(touch pwned) `touch pwned`\\nline\\x1b[2J\\\\";
    EXPECT_NE(log.find("Executing command: \"Zembrik.LNAddrHost\" \"" + hostile.Path() + "/" +
                       escaped + "/zembrik/LN-VX/LNAddrParam.dat\"\r\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find('\x1b'), std::string::npos);
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);)
        EXPECT_EQ(line.rfind("[", 0), 0u) << "a line of its own: " << line;
}

TEST_F(BatchFaults, ADataFolderTooLongStopsTheRunAndNamesIt) {
    testsupport::TempDir deep;
    const std::string appData = deep.File(std::string(240, 'd'));
    ASSERT_EQ(mkdir(appData.c_str(), 0700), 0);
    setenv("ZEMBRIK_APPDATA", appData.c_str(), 1);
    const RunResult r = Batch(SetLastName());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vxln-batch: The data folder " + appData +
                         "/zembrik/LN-VX/ cannot be used: its path is longer than 259 "
                         "characters.\n");
    EXPECT_EQ(Counts(notes.Dump("names.nsf")).second, 0);
}

} // namespace
