// Load and submit runs of the data objects against the fake helper host, which
// answers to every kind's helper name in this program's folder.
#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDataReader.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNParamParser.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/WinUtil.h"
#include "platform/ProfileFile.h"
#include "tests/lotus/LogCapture.h"

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

template <class Util> class Testable : public Util {
public:
    using Util::SetHelperName_;
};
using TestAddr = Testable<CxLNAddrUtil>;

using RunRecord = std::map<std::string, std::string>;

// The runs the fake recorded, one map of its "key=value" lines each.
std::vector<RunRecord> RecordedRuns(const std::string& path) {
    std::vector<RunRecord> runs;
    const std::string text = ReadFile(path);
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        if (line.compare(0, equals, "argc") == 0)
            runs.emplace_back();
        if (!runs.empty())
            runs.back()[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return runs;
}

std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? resolved : path;
}

std::string CurrentFolder() {
    char cwd[PATH_MAX] = "";
    return getcwd(cwd, sizeof cwd) ? cwd : "";
}

std::string ProgramFolder() {
    char folder[CX_MAX_PATH] = "";
    GetModulePath(nullptr, folder);
    return folder;
}

std::string ModeItem(const std::string& paramFile) {
    CxLNParamParser parser;
    char mode[16] = "";
    if (!parser.LoadFromFile(paramFile.c_str()) ||
        !GetTextParam(&parser, LN_PARAM_MODE, mode, sizeof mode))
        return "missing";
    return mode;
}

// Writes an exchange data file of `count` contacts into `folder`.
void WriteContacts(const std::string& folder, int count) {
    CxLNAddrUtil util;
    util.SetTempFilePath(folder.c_str());
    for (int i = 0; i < count; ++i) {
        tagCxLNAddrRec rec;
        CxLNAddrUtil::InitRec(&rec);
        util.AddRec(&rec);
    }
    ASSERT_TRUE(util.SaveToFile(nullptr));
    // Its status and error files are not the point.
    util.SetStatusFile("");
    util.SetErrorFile("");
}

// The first of `lines` missing from `log` after the ones before it; empty
// when all are there in this order.
std::string MissingLine(const std::string& log, const std::vector<std::string>& lines) {
    std::size_t at = 0;
    for (const std::string& line : lines) {
        at = log.find(line + "\r\n", at);
        if (at == std::string::npos)
            return line;
    }
    return "";
}

int CountRecs(CxLNAddrUtil* util) {
    int count = 0;
    for (tagCxLNAddrRec* rec = util->GetFirstRec(); rec; rec = util->GetNextRec())
        ++count;
    return count;
}

class HelperRun : public ::testing::Test {
protected:
    void SetUp() override {
        m_notes = m_env.Dir().File("notes");
        ASSERT_EQ(mkdir(m_notes.c_str(), 0700), 0);
        WriteFile(m_env.Registry(),
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes]\r\nPath=" + m_notes + "\r\n");
        setenv("LNFAKE_RECORD", Record().c_str(), 1);
        m_nOldLevel = GetDebugUtil()->GetLevel();
        m_bOldEnabled = GetDebugUtil()->IsEnabled();
        GetDebugUtil()->SetLevel(3);
        GetDebugUtil()->Enable(true);
    }
    void TearDown() override {
        unsetenv("LNFAKE_SCRIPT");
        unsetenv("LNFAKE_RECORD");
        GetDebugUtil()->SetLevel(m_nOldLevel);
        GetDebugUtil()->Enable(m_bOldEnabled);
        for (int kind : {1, 2, 4, 8})
            GetLNDataReader(kind)->SetTimeout(1800000);
        // A hanging fake may end now.
        WriteFile(m_data.File("release"), "");
    }

    static void Script(const char* script) { setenv("LNFAKE_SCRIPT", script, 1); }
    template <class Util> void Prepare(Util* util) {
        util->SetTempFilePath(m_data.Folder().c_str());
        util->SetMailDBName("mail/user.nsf");
    }
    std::string Record() const { return m_data.File("record.txt"); }
    std::string Data(const char* name) const { return m_data.File(name); }
    std::string ErrorValue(const char* file, const char* key) const {
        char value[256] = "";
        platform::GetProfileString(Data(file).c_str(), "Error", key, "(none)", value, sizeof value);
        return value;
    }

    testsupport::IsolatedEnv m_env;
    TempDir m_data;
    LogCapture m_log;
    std::string m_notes;
    int m_nOldLevel = 0;
    bool m_bOldEnabled = false;
};

TEST_F(HelperRun, LoadAllStartsTheHelperInTheNotesFolderAndReadsItsRecords) {
    Script("record;init;records=3");
    TestAddr addr;
    Prepare(&addr);
    const std::string before = CurrentFolder();

    ASSERT_TRUE(addr.LoadAll());

    EXPECT_EQ(CountRecs(&addr), 3);
    EXPECT_FALSE(addr.HasError());
    EXPECT_EQ(addr.GetMode(), 1);
    EXPECT_EQ(CurrentFolder(), before);
    const std::vector<RunRecord> runs = RecordedRuns(Record());
    ASSERT_EQ(runs.size(), 1u);
    const RunRecord& run = runs[0];
    EXPECT_EQ(run.at("argc"), "2");
    EXPECT_EQ(run.at("argv0"), "Zembrik.LNAddrHost");
    EXPECT_EQ(run.at("argv1"), m_data.Folder() + "LNAddrParam.dat");
    EXPECT_EQ(run.at("cwd"), RealPath(m_notes));
    EXPECT_EQ(run.at("parentcwd") + "/", RealPath(ProgramFolder()) + "/");
    EXPECT_EQ(run.at("mode"), "1");
    EXPECT_EQ(ModeItem(Data("LNAddrParam.dat")), "1");

    const std::vector<std::string> lines = {
        "Start loading Lotus Notes Contacts.",
        "Original current directory: " + before,
        "Set current directory: " + ProgramFolder(),
        "Get Lotus Notes Path: " + m_notes + "/",
        "Executing command: \"Zembrik.LNAddrHost\" \"" + m_data.Folder() + "LNAddrParam.dat\"",
        "Command executed successfully.",
        "Helper utility program exited successfully.",
        "Load Lotus Notes Contacts information successfully.",
    };
    EXPECT_EQ(MissingLine(m_log.Text(), lines), "") << m_log.Text();
}

TEST_F(HelperRun, WithoutANotesFolderTheHelperRunsInTheProgramFolder) {
    WriteFile(m_env.Registry(), "");
    Script("record");
    TestAddr addr;
    Prepare(&addr);
    addr.LoadAll();
    const std::vector<RunRecord> runs = RecordedRuns(Record());
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].at("cwd") + "/", RealPath(ProgramFolder()) + "/");
    EXPECT_NE(m_log.Text().find("Get Lotus Notes Path: \r\n"), std::string::npos);
}

template <class Util> void LoadThenSubmitIn(const std::string& folder) {
    Util util;
    util.SetTempFilePath(folder.c_str());
    util.LoadAll();
    util.SubmitChanges();
}

TEST_F(HelperRun, EachKindStartsItsOwnHelperWithMode1ToLoadAnd2ToSubmit) {
    struct Case {
        const char* helper;
        const char* param;
        void (*run)(const std::string& folder);
        std::vector<std::string> lines; // the kind's log lines of the cycle, in order
    };
    const Case cases[] = {
        {"Zembrik.LNAddrHost",
         "LNAddrParam.dat",
         &LoadThenSubmitIn<CxLNAddrUtil>,
         {"Start loading Lotus Notes Contacts.",
          "Load Lotus Notes Contacts information successfully.",
          "Submit changes to Lotus Notes contacts database"}},
        {"Zembrik.LNDateHost",
         "LNDateParam.dat",
         &LoadThenSubmitIn<CxLNDateUtil>,
         {"Start loading Lotus Notes Calendar.",
          "Load Lotus Notes Calendar information successfully.",
          "Submit changes to Lotus Notes calendar database"}},
        {"Zembrik.LNTaskHost",
         "LNTaskParam.dat",
         &LoadThenSubmitIn<CxLNTaskUtil>,
         {"Start loading Lotus Notes Tasks.", "Load Lotus Notes Tasks information successfully.",
          "Submit changes to Lotus Notes task database"}},
        {"Zembrik.LNNoteHost", "LNNoteParam.dat", &LoadThenSubmitIn<CxLNNoteUtil>, {}},
    };
    Script("record;init;records=1");
    for (const Case& c : cases) {
        std::remove(Record().c_str());
        const std::size_t logStart = m_log.Text().size();
        c.run(m_data.Folder());
        const std::string log = m_log.Text().substr(logStart);
        EXPECT_EQ(MissingLine(log, c.lines), "") << c.helper;
        if (c.lines.empty()) {
            EXPECT_EQ(log.find("Start loading Lotus Notes"), std::string::npos);
            EXPECT_EQ(log.find("Submit changes"), std::string::npos);
        }
        const std::vector<RunRecord> runs = RecordedRuns(Record());
        ASSERT_EQ(runs.size(), 2u) << c.helper;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].at("argv0"), c.helper);
            EXPECT_EQ(runs[i].at("argv1"), m_data.Folder() + c.param);
            EXPECT_EQ(runs[i].at("mode"), i == 0 ? "1" : "2") << c.helper;
        }
        EXPECT_EQ(ModeItem(Data(c.param)), "2") << c.helper;
    }
}

TEST_F(HelperRun, AMissingHelperFailsTheLoadWithoutTheRecordsOfAnEarlierRun) {
    WriteContacts(m_data.Folder(), 3);
    WriteFile(Data("LNAddrErr.dat"), "[Error]\r\nError.Count=1\r\nError.1=old\r\n");
    TestAddr addr;
    Prepare(&addr);
    addr.SetHelperName_("Zembrik.LNMissingHost");

    EXPECT_FALSE(addr.LoadAll());

    EXPECT_EQ(CountRecs(&addr), 0);
    EXPECT_EQ(addr.GetDataMgr()->GetFirstRec(), nullptr);
    EXPECT_TRUE(addr.HasError());
    EXPECT_EQ(addr.GetLastErrorMsg(), "Could not start the helper program Zembrik.LNMissingHost: "
                                      "it is not in the program's folder " +
                                          ProgramFolder() + ".");
    EXPECT_FALSE(FileExists(Data("LNAddr.dat")));
    EXPECT_FALSE(FileExists(Data("LNAddrErr.dat")));
    const std::string log = m_log.Text();
    EXPECT_NE(log.find("CreateProcess Error: No such file or directory\r\n"), std::string::npos)
        << log;
    EXPECT_NE(log.find("Failed to load Lotus Notes Contacts information.\r\n"), std::string::npos);
    EXPECT_EQ(log.find("Command executed successfully."), std::string::npos);
}

// The password goes to the helper beside the program or to none: a program
// of the helper's name elsewhere on PATH is never started.
TEST_F(HelperRun, AHelperOnThePathIsNeverStarted) {
    const std::string fake = m_data.File("Zembrik.LNElsewhereHost");
    WriteFile(fake, "#!/bin/sh\ncp \"$1\" " + m_data.File("stolen") + "\n");
    ASSERT_EQ(chmod(fake.c_str(), 0700), 0);
    const char* path = std::getenv("PATH");
    const std::string oldPath = path ? path : "";
    setenv("PATH", (m_data.Path() + ":" + oldPath).c_str(), 1);
    TestAddr addr;
    Prepare(&addr);
    addr.SetPassword("secret");
    addr.SetHelperName_("Zembrik.LNElsewhereHost");
    EXPECT_FALSE(addr.LoadAll());
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_NE(std::string(addr.GetLastErrorMsg()).find("it is not in the program's folder"),
              std::string::npos)
        << addr.GetLastErrorMsg();
    EXPECT_FALSE(FileExists(m_data.File("stolen")));
    EXPECT_FALSE(FileExists(Data("LNAddrParam.dat")));
}

TEST_F(HelperRun, AHelperThatMayNotRunIsToldApartFromAMissingOne) {
    // A name of this test's own in the program's folder, which holds the helpers.
    const std::string plain = ProgramFolder() + "Zembrik.LNPlainHost";
    WriteFile(plain, "#!/bin/sh\nexit 0\n");
    ASSERT_EQ(chmod(plain.c_str(), 0600), 0);
    TestAddr addr;
    Prepare(&addr);
    addr.SetHelperName_("Zembrik.LNPlainHost");
    EXPECT_FALSE(addr.LoadAll());
    std::remove(plain.c_str());
    EXPECT_EQ(addr.GetLastErrorMsg(), "Could not start the helper program Zembrik.LNPlainHost: " +
                                          plain + " is not an executable program.");
}

TEST_F(HelperRun, AMissingHelperLeavesTheChangesUnsubmitted) {
    TestAddr addr;
    Prepare(&addr);
    addr.SetHelperName_("Zembrik.LNMissingHost");
    EXPECT_FALSE(addr.SubmitChanges());
    EXPECT_TRUE(addr.IsDirty());
    EXPECT_EQ(addr.GetMode(), 2);
}

TEST_F(HelperRun, AHelperThatOutlivesTheWaitFailsTheLoadWithoutItsRecords) {
    // The records are written before the hang: the wizard must not take them.
    Script("init;records=2;hang");
    GetLNDataReader(1)->SetTimeout(100);
    TestAddr addr;
    Prepare(&addr);
    const std::string before = CurrentFolder();

    EXPECT_FALSE(addr.LoadAll());

    EXPECT_EQ(CountRecs(&addr), 0);
    EXPECT_EQ(CurrentFolder(), before);
    const std::string log = m_log.Text();
    EXPECT_NE(log.find("The helper utility program has no response. Got timeout event.\r\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("Helper utility program exited successfully."), std::string::npos);
    EXPECT_NE(log.find("Failed to load Lotus Notes Contacts information.\r\n"), std::string::npos);
    EXPECT_STREQ(addr.GetLastErrorMsg(),
                 "The run gave up waiting: the helper program Zembrik.LNAddrHost did not end "
                 "within 0.1 seconds and was ended.");
    // It was ended, not left to write into the folder.
    EXPECT_EQ(GetLNDataReader(1)->GetExitSignal(), SIGTERM);
    EXPECT_NE(log.find("Ending the helper utility program that did not respond.\r\n"),
              std::string::npos);
}

TEST_F(HelperRun, AHelperThatOutlivesTheWaitLeavesTheChangesUnsubmitted) {
    Script("init;hang");
    GetLNDataReader(1)->SetTimeout(100);
    TestAddr addr;
    Prepare(&addr);
    EXPECT_FALSE(addr.SubmitChanges());
    EXPECT_TRUE(addr.IsDirty());
}

TEST_F(HelperRun, ReportedErrorsLeaveTheLastOneAndFailTheSubmit) {
    Script("init;error=A;error=B");
    TestAddr addr;
    Prepare(&addr);

    EXPECT_FALSE(addr.LoadAll()); // a failed load writes no records
    EXPECT_TRUE(addr.HasError());
    EXPECT_STREQ(addr.GetLastErrorMsg(), "B");
    EXPECT_EQ(ErrorValue("LNAddrErr.dat", "Error.Count"), "2");
    EXPECT_EQ(ErrorValue("LNAddrErr.dat", "Error.1"), "A");
    EXPECT_EQ(ErrorValue("LNAddrErr.dat", "Error.2"), "B");

    EXPECT_FALSE(addr.SubmitChanges());
    EXPECT_TRUE(addr.IsDirty());
    EXPECT_TRUE(addr.HasError());
}

TEST_F(HelperRun, ErrorCountsDecideHasError) {
    const std::string longText(1500, 'x');
    struct Case {
        std::string script;
        bool loaded;
        bool hasError;
        std::string last;
    } cases[] = {
        {"init;records=1", true, false, ""},
        {"raw=Error.Count=0;raw=Error.1=ignored;records=1", true, false, ""},
        {"raw=Error.Count=-3;records=1", true, false, ""},
        {"raw=Error.Count=many;records=1", true, false, ""},
        // A helper that leaves no report did not run as a helper does.
        {"records=1", false, true,
         "The run failed: the helper program Zembrik.LNAddrHost ended without an error report."},
        {"init;error=only;records=1", true, true, "only"},
        {"raw=Error.Count=2;raw=Error.1=one;records=1", true, true, ""},
        {"init;error=" + longText + ";records=1", true, true, longText.substr(0, 1023)},
    };
    for (const Case& c : cases) {
        Script(c.script.c_str());
        TestAddr addr;
        Prepare(&addr);
        EXPECT_EQ(addr.LoadAll(), c.loaded) << c.script;
        EXPECT_EQ(addr.HasError(), c.hasError) << c.script;
        EXPECT_EQ(addr.GetLastErrorMsg(), c.last) << c.script;
    }
}

TEST_F(HelperRun, AHelperThatDoesNotEndWellFailsTheRunAndSaysHow) {
    struct Case {
        const char* script;
        const char* text;
        const char* log;
    } cases[] = {
        {"init;records=2;exit=127",
         "The run failed: the helper program Zembrik.LNAddrHost exited with code 127.",
         "Helper utility program exited with code 127.\r\n"},
        {"init;records=2;signal=9",
         "The run failed: the helper program Zembrik.LNAddrHost was ended by signal 9 (Killed).",
         "Helper utility program was ended by signal 9 (Killed).\r\n"},
        // Its own failure code comes with its errors, which say enough.
        {"init;error=Can not open the database;exit=1", "Can not open the database", nullptr},
        {"init;error=Half done;signal=15",
         "Half done (The run failed: the helper program Zembrik.LNAddrHost was ended by signal 15 "
         "(Terminated).)",
         nullptr},
    };
    for (const Case& c : cases) {
        Script(c.script);
        const std::size_t logStart = m_log.Text().size();
        TestAddr addr;
        Prepare(&addr);
        EXPECT_FALSE(addr.LoadAll()) << c.script;
        EXPECT_EQ(CountRecs(&addr), 0) << c.script;
        EXPECT_TRUE(addr.HasError()) << c.script;
        EXPECT_STREQ(addr.GetLastErrorMsg(), c.text);
        const std::string log = m_log.Text().substr(logStart);
        EXPECT_EQ(log.find("Helper utility program exited successfully."), std::string::npos);
        if (c.log) {
            EXPECT_NE(log.find(c.log), std::string::npos) << log;
        }

        addr.SetDirty(true);
        EXPECT_FALSE(addr.SubmitChanges()) << c.script;
        EXPECT_TRUE(addr.IsDirty());
        EXPECT_STREQ(addr.GetLastErrorMsg(), c.text);
    }
}

TEST_F(HelperRun, ThePathReachesTheHelperWhateverItsFolderHolds) {
    for (const char* name : {"a\"b", "two  blanks", "$(touch pwned)", "line\nbreak", "tail\\"}) {
        SCOPED_TRACE(name);
        const std::string folder = m_data.File(name) + "/";
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
        // A split of the old quoted line would have found this one instead.
        const std::string decoy = m_data.File("ab") + "/";
        mkdir(decoy.c_str(), 0700);
        WriteFile(decoy + "LNAddrParam.dat", "decoy");
        Script("record;init;records=2");
        std::remove(Record().c_str());
        TestAddr addr;
        addr.SetTempFilePath(folder.c_str());
        ASSERT_TRUE(addr.LoadAll()) << addr.GetLastErrorMsg();
        EXPECT_EQ(CountRecs(&addr), 2);
        EXPECT_NE(ReadFile(Record()).find("argc=2\n"), std::string::npos);
        EXPECT_EQ(ReadFile(decoy + "LNAddrParam.dat"), "decoy");
        EXPECT_FALSE(FileExists(m_data.File("pwned")));
        EXPECT_FALSE(FileExists("pwned"));
    }
}

TEST_F(HelperRun, AStaleParameterFileGoesEvenWhenTheNextOneCannotBeWritten) {
    // A folder that fits its field, but with the parameter file's name no longer
    // fits a path: the file cannot be written there.
    const std::string folder =
        m_data.Folder() + std::string(250 - m_data.Folder().size() - 1, 'f') + "/";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    WriteFile(folder + "LNAddrParam.dat", "the password of a run that was cut short");
    Script("record;init;records=1");
    TestAddr addr;
    addr.SetTempFilePath(folder.c_str());
    EXPECT_FALSE(addr.LoadAll());
    EXPECT_FALSE(FileExists(folder + "LNAddrParam.dat"));
    EXPECT_FALSE(FileExists(Record()));
    EXPECT_NE(std::string(addr.GetLastErrorMsg()).find("Can not write the parameter file: "),
              std::string::npos);
}

TEST_F(HelperRun, AnErrorFileOfAnEarlierRunIsNotTakenForThisOne) {
    // This helper writes no report of its own.
    Script("records=1");
    WriteFile(Data("LNAddrErr.dat"), "[Error]\r\nError.Count=0\r\nNotice=old\r\n");
    WriteFile(Data("LNAddrStatus.dat"), "old\r\n");
    TestAddr addr;
    Prepare(&addr);
    EXPECT_FALSE(addr.LoadAll());
    EXPECT_STREQ(addr.GetNotice(), "");
    EXPECT_NE(std::string(addr.GetLastErrorMsg()).find("ended without an error report"),
              std::string::npos);
    EXPECT_FALSE(FileExists(Data("LNAddrErr.dat")));
    EXPECT_FALSE(FileExists(Data("LNAddrStatus.dat")));
    EXPECT_FALSE(addr.SubmitChanges());
    EXPECT_TRUE(addr.IsDirty());
}

TEST_F(HelperRun, TheStatusFileHoldsTheLastReportAlone) {
    Script("init;status=Opening the database;status=Reading 10 records;records=0");
    TestAddr addr;
    Prepare(&addr);
    EXPECT_TRUE(addr.LoadAll());
    EXPECT_EQ(ReadFile(Data("LNAddrStatus.dat")), "Reading 10 records\r\n");
}

TEST_F(HelperRun, ASubmitOfACleanObjectDoesNothing) {
    Script("record");
    TestAddr addr;
    Prepare(&addr);
    addr.SetDirty(false);
    EXPECT_TRUE(addr.SubmitChanges());
    EXPECT_FALSE(FileExists(Record()));
    EXPECT_FALSE(FileExists(Data("LNAddr.dat")));
    EXPECT_FALSE(FileExists(Data("LNAddrParam.dat")));
    EXPECT_EQ(addr.GetMode(), 0);
}

TEST_F(HelperRun, ASubmitWhoseExchangeFileCannotBeCreatedStartsNoHelper) {
    Script("record");
    TestAddr addr;
    addr.SetTempFilePath((m_data.Folder() + "missing/").c_str());
    EXPECT_FALSE(addr.SubmitChanges());
    EXPECT_TRUE(addr.IsDirty());
    EXPECT_FALSE(FileExists(Record()));
    EXPECT_NE(m_log.Text().find("Can not save information to temperary file.\r\n"),
              std::string::npos);
}

TEST_F(HelperRun, ASuccessfulSubmitClearsDirty) {
    Script("record;init");
    TestAddr addr;
    Prepare(&addr);
    EXPECT_TRUE(addr.SubmitChanges());
    EXPECT_FALSE(addr.IsDirty());
    EXPECT_EQ(ModeItem(Data("LNAddrParam.dat")), "2");
    ASSERT_EQ(RecordedRuns(Record()).size(), 1u);
    EXPECT_NE(m_log.Text().find("Submit changes to Lotus Notes contacts database\r\n"),
              std::string::npos);
}

TEST_F(HelperRun, NoHelperRunsOnAParameterFileThatCouldNotBeWritten) {
    Script("record;init;records=1");
    TestAddr addr;
    Prepare(&addr);
    addr.SetParamFile("missing/LNAddrParam.dat");
    EXPECT_FALSE(addr.LoadAll());
    EXPECT_FALSE(addr.SubmitChanges());
    EXPECT_TRUE(addr.IsDirty());
    EXPECT_FALSE(FileExists(Record()));
}

TEST_F(HelperRun, TheLastParameterAndExchangeFilesGoWithTheReaders) {
    Script("init;records=1");
    {
        TestAddr addr;
        Prepare(&addr);
        ASSERT_TRUE(addr.LoadAll());
        ASSERT_TRUE(addr.SubmitChanges());
    }
    // The data object is gone; the reader of its kind still keeps them.
    ASSERT_TRUE(FileExists(Data("LNAddrParam.dat")));
    ASSERT_TRUE(FileExists(Data("LNAddr.dat")));

    ReleaseLNDataReaders();

    EXPECT_FALSE(FileExists(Data("LNAddrParam.dat")));
    EXPECT_FALSE(FileExists(Data("LNAddr.dat")));
    EXPECT_TRUE(FileExists(m_data.Path()));
}

TEST_F(HelperRun, TheFilesOfEveryKindThatRanAreGoneWhenTheProcessEnds) {
    Script("init;records=1");
    const std::string folder = m_data.Folder();
    // The run happens in a child process that ends through exit().
    EXPECT_EXIT(
        {
            {
                CxLNAddrUtil addr;
                addr.SetTempFilePath(folder.c_str());
                CxLNTaskUtil task;
                task.SetTempFilePath(folder.c_str());
                task.SetMailDBName("mail/user.nsf");
                const bool ran = addr.LoadAll() && task.LoadAll();
                if (!ran || !FileExists(folder + "LNAddrParam.dat") ||
                    !FileExists(folder + "LNTask.dat"))
                    std::exit(1);
            }
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    for (const char* name : {"LNAddrParam.dat", "LNAddr.dat", "LNTaskParam.dat", "LNTask.dat"})
        EXPECT_FALSE(FileExists(Data(name))) << name;
}

} // namespace
