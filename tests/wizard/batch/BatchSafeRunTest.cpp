// Runs that meet in one data folder, and a run whose surroundings fail it:
// a wizard run of this process beside vxln-batch, a front end killed during
// its write-back, a database another process holds, a relative data folder,
// links planted in the data folder. All through the real programs.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "NotesInstall.h"
#include "Preloaded.h"
#include "ProcessWatch.h"
#include "RunProgram.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDataReader.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardUpdate.h"
#include "wizard/update/Vxcommon.h"

namespace {

std::string ThisProgram() {
    char path[4096] = "";
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string name(path, n > 0 ? static_cast<std::size_t>(n) : 0);
    return name.substr(name.rfind('/') + 1);
}

class BatchSafeRun : public ::testing::Test {
protected:
    void SetUp() override { Seed(6); }
    void TearDown() override { testsupport::WriteFile(Release(), ""); }

    void Seed(int contacts) {
        for (const char* end : {"", "-wal", "-shm"})
            std::remove((Db() + end).c_str());
        notes.Notesdb("create '" + Db() + "'");
        notes.Notesdb("seed '" + Db() + "' contacts " + std::to_string(contacts));
    }
    std::string Db() const { return notes.DataFile("names.nsf"); }
    std::string Release() const { return hold.File("release"); }
    std::vector<std::string> SetLastName(const char* name) const {
        return {"contacts", "--contacts-db", Db(), "--set", std::string("Last Name=") + name};
    }
    RunResult Batch(const std::vector<std::string>& args) const {
        return RunProgram(VXLN_BATCH_PROGRAM, args, notes.ProgramFolder());
    }
    // vxln-batch and its helpers with a limit on their memory far below the
    // files they read; the sanitizers' shadow memory needs more than any.
    RunResult Limited(const std::vector<std::string>& args) const {
        std::vector<std::string> shell = {"-c", LimitMemory() + "exec \"$0\" \"$@\"",
                                          VXLN_BATCH_PROGRAM};
        shell.insert(shell.end(), args.begin(), args.end());
        return RunProgram("/bin/sh", shell, notes.ProgramFolder());
    }
    static std::string LimitMemory() {
#if defined(__SANITIZE_ADDRESS__)
        return "";
#else
        return "ulimit -v 524288; ";
#endif
    }
    // Last names that read `name` (item names in any case).
    int Named(const char* name) const {
        std::istringstream in(notes.Dump("names.nsf"));
        int count = 0;
        for (std::string line; std::getline(in, line);)
            count += strcasecmp(line.c_str(), (std::string("LastName: ") + name).c_str()) == 0;
        return count;
    }
    void SetNotesIni(const std::string& more) const {
        testsupport::WriteFile(notes.ProgramFolder() + "notes.ini", "[Notes]\r\nDirectory=" +
                                                                        notes.ProgramFolder() +
                                                                        "Data\r\n" + more);
    }

    // A wizard run of this process: the contacts loaded, every record
    // selected, one definition that sets the last name.
    void LoadInWizard(CxWizardController& c, const char* lastName) {
        c.SetPause([](int) {});
        c.Start();
        c.GetSettings().AppFlag = 1;
        CxStrCopy(c.GetSettings().AddrFile, Db().c_str());
        ASSERT_TRUE(c.LoadNotesData()) << c.GetLoadError();
        CxList* records = c.GetAddrUtil()->GetDataMgr()->GetRecords();
        for (void* p = records->GetFirst(); p; p = records->GetNext())
            c.GetSelectedRecords()->Add(p);
        tagFUFieldUpdate* def = CxWizardController::NewDefinition();
        def->nFieldKey = 3;
        def->nOperation = FU_OP_SET;
        CxStrCopy(def->szValue, lastName);
        c.GetUpdateDefinitions()->Add(def);
    }

    // `notesdb set` of document 1 held inside its write: the database stays
    // busy for every other writer until Release() appears.
    RunningProgram HoldDatabase() const {
        RunningProgram holder;
        {
            const testsupport::Preloaded held(
                HOLD_SHIM,
                {{"ZEMBRIK_HOLD_READY", hold.File("ready")}, {"ZEMBRIK_HOLD_RELEASE", Release()}});
            holder = StartProgram(NOTESDB_PROGRAM, {"set", Db(), "1", "JobTitle", "Holder"},
                                  notes.ProgramFolder());
        }
        EXPECT_TRUE(HoldsWhileRuns(hold.File("ready"), "held", holder.pid))
            << testsupport::ReadFile(holder.capture->File("err"));
        return holder;
    }

    NotesInstall notes;
    testsupport::TempDir hold;
};

// The wizard holds the data folder while its user edits: vxln-batch is told
// who holds it and since when and changes nothing, and the wizard's
// write-back still finds the document someone changed in Lotus Notes.
TEST_F(BatchSafeRun, ASecondFrontEndIsToldWhoHoldsTheDataFolder) {
    CxWizardController c;
    LoadInWizard(c, "Miller");
    notes.Notesdb("set '" + Db() + "' 2 LastName Edited");

    const RunResult second = Batch(SetLastName("Batch"));
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.err.find("vxln-batch: The data folder " + notes.WizardFolder() +
                              " is in use by " + ThisProgram() + " (process " +
                              std::to_string(getpid()) + ") since "),
              std::string::npos)
        << second.err;
    EXPECT_NE(second.err.find(". Try again when it has finished.\nvxln-batch: --wait waits for "
                              "the data folder instead.\n"),
              std::string::npos)
        << second.err;
    EXPECT_EQ(Named("Batch"), 0);

    const tagWizardUpdateResult result = RunWizardUpdate(c);
    EXPECT_TRUE(result.bSubmitted);
    EXPECT_EQ(result.nChangedSinceLoad, 1);
    EXPECT_EQ(Named("Miller"), 5);
    EXPECT_EQ(Named("Edited"), 1);
}

// With --wait vxln-batch waits for the wizard's write-back and then loads
// what the wizard wrote.
TEST_F(BatchSafeRun, AWaitingFrontEndRunsOnceTheFolderIsFree) {
    CxWizardController c;
    LoadInWizard(c, "Miller");
    std::vector<std::string> args = SetLastName("Batch");
    args.push_back("--wait");
    const RunningProgram second = StartProgram(VXLN_BATCH_PROGRAM, args, notes.ProgramFolder());
    ASSERT_TRUE(Holds(second.capture->File("err"), "vxln-batch: Waiting for the data folder " +
                                                       notes.WizardFolder() + ": it is in use by " +
                                                       ThisProgram()));
    EXPECT_EQ(Named("Batch"), 0);

    const tagWizardUpdateResult first = RunWizardUpdate(c);
    EXPECT_FALSE(first.bSubmitFailed) << first.sError;
    const RunResult r = FinishProgram(second);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(Named("Batch"), 6);
}

// Its helper stops at the next document, its journal tells what it did, and
// the next run says so.
TEST_F(BatchSafeRun, AFrontEndKilledDuringItsWriteBackStopsItsHelper) {
    Seed(2000);
    const RunningProgram run =
        StartProgram(VXLN_BATCH_PROGRAM, SetLastName("Quux"), notes.ProgramFolder());
    const pid_t helper = WriteBackUnderWay(run.pid, Db() + "-wal");
    ASSERT_GT(helper, 0) << "the write-back was not seen";
    ASSERT_EQ(kill(run.pid, SIGKILL), 0);
    FinishProgram(run);
    ASSERT_TRUE(Gone(helper));

    const std::vector<tagLNJournalRun> runs = LNListJournalRuns(notes.WizardFolder());
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].sEnd, "stopped");
    EXPECT_EQ(runs[0].sWhy, "the program that started it has ended");
    const int changed = Named("Quux");
    EXPECT_EQ(runs[0].nDocuments, changed);
    EXPECT_LT(changed, 2000);

    const RunResult journal = Batch({"journal"});
    EXPECT_NE(journal.out.find(runs[0].sRun + "  "), std::string::npos) << journal.out;
    EXPECT_NE(journal.out.find(" (stopped before its end: the program that started it has ended)"),
              std::string::npos)
        << journal.out;

    const RunResult next = Batch({"contacts", "--contacts-db", Db(), "--set", "Suffix=Jr.", "--dry-run"});
    EXPECT_EQ(next.status, 0) << next.err;
    EXPECT_NE(next.err.find("vxln-batch: A run of vxln-batch (process " + std::to_string(run.pid) +
                            ") ended during its write-back of "),
              std::string::npos)
        << next.err;
    EXPECT_NE(next.err.find(" without finishing it. Its journal " + runs[0].sRun + " shows " +
                            std::to_string(changed) + " documents changed (" +
                            std::to_string(changed) + " items); \"vxln-batch undo " +
                            runs[0].sRun + "\" puts them back.\n"),
              std::string::npos)
        << next.err;
}

// Another process holds the database: the write-back waits once, gives up
// for the run and says why, rather than waiting once a document.
TEST_F(BatchSafeRun, ABusyDatabaseIsGivenUpOnceForTheRun) {
    SetNotesIni("ZNSBusyTimeout=200\r\n");
    testsupport::WriteFile(notes.WizardFolder() + "zembrik.ini", "[LN-VX]\r\nEnableDebug=1\r\n");
    const RunningProgram holder = HoldDatabase();
    const RunResult r = Batch(SetLastName("Miller"));
    testsupport::WriteFile(Release(), "");
    FinishProgram(holder);

    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(r.out.find("Result: The write-back stopped before its end: the database stayed busy "
                         "through its wait: another process is using it. The documents not "
                         "reached were left as they are."),
              std::string::npos)
        << r.out;
    const std::string log = testsupport::ReadFile(notes.WizardFolder() + "appdebug.log");
    std::size_t failures = 0;
    for (std::size_t at = log.find("Failed to call NSFNoteUpdate"); at != std::string::npos;
         at = log.find("Failed to call NSFNoteUpdate", at + 1))
        ++failures;
    EXPECT_EQ(failures, 1u) << log;
    EXPECT_EQ(Named("Miller"), 0);
}

// The front end gives up on a helper that waits for a held database, ends
// it and says so; the database stays as it was.
TEST_F(BatchSafeRun, AHelperGivenUpOnIsEnded) {
    SetNotesIni("ZNSBusyTimeout=600000\r\n");
    CxWizardController c;
    LoadInWizard(c, "Miller");
    const RunningProgram holder = HoldDatabase();
    GetLNDataReader(1)->SetTimeout(500);
    const tagWizardUpdateResult result = RunWizardUpdate(c);
    GetLNDataReader(1)->SetTimeout(1800000);
    testsupport::WriteFile(Release(), "");
    FinishProgram(holder);

    EXPECT_TRUE(result.bSubmitFailed);
    EXPECT_EQ(result.sError, "The run gave up waiting: the helper program Zembrik.LNAddrHost did "
                             "not end within 0.5 seconds and was ended.");
    EXPECT_NE(GetLNDataReader(1)->GetExitSignal(), 0);
    EXPECT_TRUE(ChildrenOf(getpid()).empty());
    EXPECT_EQ(Named("Miller"), 0);
}

// ZEMBRIK_APPDATA=relapp means a folder below where the run started, for
// the front end and its helpers alike; nothing of that name in the Notes
// program folder, where the helpers run, is read or removed.
TEST_F(BatchSafeRun, ARelativeDataFolderIsTheSameForEveryProcess) {
    testsupport::TempDir start;
    const std::string planted = notes.ProgramFolder() + "relapp/zembrik/LN-VX/";
    std::filesystem::create_directories(planted);
    testsupport::WriteFile(planted + "LNAddrParam.dat", "planted");
    setenv("ZEMBRIK_APPDATA", "relapp", 1);
    const RunResult r = RunProgram(VXLN_BATCH_PROGRAM, SetLastName("Miller"), start.Path());
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(Named("Miller"), 6);
    EXPECT_EQ(testsupport::ReadFile(planted + "LNAddrParam.dat"), "planted");
    EXPECT_FALSE(testsupport::FileExists(planted + "journal"));
    EXPECT_EQ(LNJournalRunNames(start.File("relapp/zembrik/LN-VX/")).size(), 1u);
}

// A dangling symbolic link planted in the data folder leads nowhere: what it
// names is never made. A link at the name of a file the run replaces goes
// with the run's own files; every other one stays as it is.
TEST_F(BatchSafeRun, ALinkPlantedInTheDataFolderLeadsNowhere) {
    testsupport::WriteFile(notes.WizardFolder() + "zembrik.ini", "[LN-VX]\r\nEnableDebug=1\r\n");
    const struct {
        const char* name;
        bool kept;
    } cases[] = {
        {"LNRun.lock", true},    {"appdebug.log", true},      {"journal", true},
        {"LNAddrErr.dat.lock", true}, {"LNAddr.dat", false},  {"LNAddr.dat.seq", false},
        {"LNAddr.dat.saved", false},  {"LNAddrErr.dat", false}, {"LNAddrStatus.dat", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string link = notes.WizardFolder() + c.name;
        const std::string target = hold.File(std::string("target-") + c.name);
        std::filesystem::remove_all(link); // what an earlier case's run made there
        ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
        Batch(SetLastName("Miller"));
        struct stat st;
        EXPECT_EQ(lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode), c.kept);
        EXPECT_FALSE(testsupport::FileExists(target));
        std::remove(link.c_str());
    }
    // Nor does a link to a folder that is there take the journals elsewhere.
    const std::string elsewhere = hold.File("elsewhere");
    ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
    std::filesystem::remove_all(notes.WizardFolder() + "journal");
    ASSERT_EQ(symlink(elsewhere.c_str(), (notes.WizardFolder() + "journal").c_str()), 0);
    EXPECT_EQ(Batch(SetLastName("Novak")).status, 1);
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere));
}

// A journal of 2 GB (sparse: a header, then nothing but zeros) is read a
// bounded line at a time, by the listing and by an undo's helper, within a
// memory limit far below its size.
TEST_F(BatchSafeRun, AHugeJournalIsReadWithinABound) {
    const std::string run = "20990101-000000-000--contacts-1";
    const std::string folder = notes.WizardFolder() + "journal/";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    const std::string path = folder + run + ".jsonl";
    testsupport::WriteFile(path, "{\"journal\":1,\"run\":\"" + run +
                                     "\",\"time\":\"2099-01-01T00:00:00Z\",\"database\":\"" +
                                     Db() + "\",\"kind\":\"contacts\"}\n");
    ASSERT_EQ(truncate(path.c_str(), 2LL << 30), 0);

    const RunResult list = Limited({"journal"});
    EXPECT_EQ(list.status, 0) << list.out << list.err;
    EXPECT_NE(list.out.find(run + "  2099-01-01T00:00:00Z  contacts  " + Db() +
                            "  0 documents, 0 items changed (damaged: line 2 is longer than "
                            "16777216 bytes)\n"),
              std::string::npos)
        << list.out << list.err;

    const RunResult undo = Limited({"undo", run, "--dry-run"});
    EXPECT_EQ(undo.status, 1);
    EXPECT_NE(undo.err.find("vxln-batch: The journal " + path +
                            " is damaged: line 2 is longer than 16777216 bytes; nothing was "
                            "changed."),
              std::string::npos)
        << undo.out << undo.err;
}

} // namespace
