// The step machine and the load, driven through fake pages and a fake view.
#include <gtest/gtest.h>

#include <functional>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNRunLock.h"
#include "common/misc/CxList.h"
#include "common/misc/WinUtil.h"
#include "tests/wizard/FakeNotes.h"
#include "tests/wizard/WizardFakes.h"
#include "wizard/update/Vxcommon.h"

namespace {

const char* const kPageNames[WIZARD_PAGE_COUNT] = {"mode", "source", "fields", "addr",
                                                   "date", "task",   "proc",   "finish"};

class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int p = 0; p < WIZARD_PAGE_COUNT; ++p) {
            pages[p] =
                std::make_unique<FakePage>(kPageNames[p], static_cast<WizardPage>(p), c, log);
            c.SetPage(static_cast<WizardPage>(p), pages[p].get());
        }
        c.SetView(&view);
        c.SetDataFactory(&factory);
        c.SetWaitWindow(&wait);
        c.SetPause([this](int ms) { log.Add("pause:" + std::to_string(ms)); });
        c.Start();
        log.Take();
    }

    std::string Folder() const { return c.GetDataFolderPath(); }

    void WriteContacts() {
        const tagCxLNAddrRec recs[] = {MakeContact("11", "John", "Smith"),
                                       MakeContact("12", "Mary", "Jones")};
        ASSERT_TRUE((WriteExchangeFile<CxLNAddrUtil>(Folder(), recs, 2)));
    }

    // Mode page to the access page, contacts with a database path.
    void ToSource() {
        CxStrCopy(c.GetSettings().AddrFile, "/data/names.nsf");
        c.GoToStep(1);
        log.Take();
    }

    void AddDefinition() {
        tagFUFieldUpdate* def = CxWizardController::NewDefinition();
        def->nFieldKey = 3;
        def->nOperation = FU_OP_SET;
        c.GetUpdateDefinitions()->Add(def);
    }

    void SelectFirst() {
        c.GetSelectedRecords()->Add(c.GetAddrUtil()->GetDataMgr()->GetFirstRec());
    }

    // On to the progress page with one definition and one selected contact.
    void ToProc() {
        WriteContacts();
        ToSource();
        c.GoToStep(2);
        AddDefinition();
        c.GoToStep(3);
        SelectFirst();
        c.GoToStep(4);
        ASSERT_EQ(c.GetStep(), 4);
        log.Take();
    }

    void ExpectView(int step, WizardPage page, bool prev, bool next, const char* close) {
        SCOPED_TRACE("step " + std::to_string(step));
        EXPECT_EQ(c.GetStep(), step);
        EXPECT_EQ(view.VisiblePage(), page);
        EXPECT_EQ(view.prev, prev);
        EXPECT_EQ(view.next, next);
        EXPECT_EQ(view.close, close);
        EXPECT_EQ(view.stepText, GetStepText(step));
    }

    testsupport::IsolatedEnv env;
    CallLog log;
    FakeView view;
    FakeWait wait{log};
    FakeFactory factory;
    CxWizardController c;
    std::unique_ptr<FakePage> pages[WIZARD_PAGE_COUNT];
};

TEST_F(ControllerTest, StartsOnTheModePage) {
    ExpectView(0, WIZARD_PAGE_MODE, false, true, "&Cancel");
    EXPECT_EQ(c.GetAddrUtil(), nullptr);
    EXPECT_EQ(c.GetUpdateDefinitions(), nullptr);
    EXPECT_EQ(Folder(), env.AppData() + "/zembrik/LN-VX/");
    EXPECT_EQ(std::string(c.GetSettingsFile()), Folder() + "zembrik.ini");
}

TEST_F(ControllerTest, ForwardLeavesThePageBeforeAndEntersTheTarget) {
    ToProc();
    c.GoToStep(5);
    EXPECT_EQ(log.Take(), "proc.leave finish.enter");
    ExpectView(5, WIZARD_PAGE_FINISH, false, false, "&Finish");
}

TEST_F(ControllerTest, EveryForwardStepAsksTheRightPages) {
    WriteContacts();
    CxStrCopy(c.GetSettings().AddrFile, "/data/names.nsf");
    c.GoToStep(1);
    EXPECT_EQ(log.Take(), "mode.leave source.enter");
    ExpectView(1, WIZARD_PAGE_SOURCE, true, true, "&Cancel");

    c.GoToStep(2);
    EXPECT_EQ(log.Take(),
              "source.leave start text:Loading Lotus Notes Contacts... pause:200 status:" +
                  Folder() + "LNAddrStatus.dat run stop fields.enter");
    ExpectView(2, WIZARD_PAGE_UPDATE_FIELD, true, true, "&Cancel");
    EXPECT_EQ(c.GetAddrUtil()->GetRecList()->GetCount(), 2u);

    AddDefinition();
    c.GoToStep(3);
    EXPECT_EQ(log.Take(), "fields.leave addr.enter");
    ExpectView(3, WIZARD_PAGE_ADDR_DATA, true, true, "&Cancel");

    SelectFirst();
    c.GoToStep(4);
    EXPECT_EQ(log.Take(), "addr.leave proc.enter");
    ExpectView(4, WIZARD_PAGE_PROC, true, true, "&Cancel");
}

TEST_F(ControllerTest, RefusalsKeepTheStepAndTheView) {
    WriteContacts();
    ToSource();
    c.GoToStep(2);
    log.Take();
    c.GoToStep(3); // no definition
    EXPECT_EQ(log.Take(), "fields.leave");
    ExpectView(2, WIZARD_PAGE_UPDATE_FIELD, true, true, "&Cancel");

    AddDefinition();
    c.GoToStep(3);
    log.Take();
    c.SetStepText("custom");
    c.GoToStep(4); // nothing ticked
    EXPECT_EQ(log.Take(), "addr.leave");
    EXPECT_EQ(c.GetStep(), 3);
    EXPECT_EQ(view.stepText, "custom");
}

TEST_F(ControllerTest, PrevAsksNoPage) {
    ToProc();
    for (int step = 3; step >= 1; --step) {
        c.GoToStep(step);
        EXPECT_EQ(log.Take(), "");
        ExpectView(step, GetStepPage(step, LN_KIND_ADDR), true, true, "&Cancel");
    }
    c.GoToStep(3); // staying put asks nothing either
    log.Take();
    c.GoToStep(3);
    EXPECT_EQ(log.Take(), "");
}

TEST_F(ControllerTest, StepZeroAlwaysEntersTheModePage) {
    ToProc();
    c.GoToStep(0);
    EXPECT_EQ(log.Take(), "mode.enter");
    ExpectView(0, WIZARD_PAGE_MODE, false, true, "&Cancel");
    c.GoToStep(-4);
    EXPECT_EQ(log.Take(), "mode.enter");
    EXPECT_EQ(c.GetStep(), 0);
}

TEST_F(ControllerTest, TargetsAboveFiveGoToFive) {
    ToProc();
    c.GoToStep(9);
    EXPECT_EQ(log.Take(), "proc.leave finish.enter");
    EXPECT_EQ(c.GetStep(), 5);
}

TEST_F(ControllerTest, NextOnTheAccessPageReloadsAndEmptiesTheLists) {
    ToProc();
    c.GoToStep(1);
    c.GoToStep(2);
    EXPECT_EQ(factory.journal.loads, 2);
    EXPECT_EQ(c.GetUpdateDefinitions()->GetCount(), 0u);
    EXPECT_EQ(c.GetSelectedRecords()->GetCount(), 0u);
    EXPECT_EQ(c.GetAddrUtil()->GetRecList()->GetCount(), 2u);
}

TEST_F(ControllerTest, UpdateMoreStartsOverWithTheSameKind) {
    ToProc();
    c.GoToStep(5);
    log.Take();
    c.GoToStep(0); // the finish page's "Update More"
    EXPECT_EQ(log.Take(), "mode.enter");
    EXPECT_EQ(c.GetSettings().AppFlag, LN_KIND_ADDR);
    c.GoToStep(1);
    c.GoToStep(2);
    EXPECT_EQ(c.GetStep(), 2);
    EXPECT_EQ(factory.journal.loads, 2);
    EXPECT_EQ(c.GetUpdateDefinitions()->GetCount(), 0u);
    EXPECT_EQ(c.GetSelectedRecords()->GetCount(), 0u);
}

// Every load, failed or not, frees the records of the one before; moving
// between the other pages loads nothing.
TEST_F(ControllerTest, EveryLoadAndOnlyALoadCountsUp) {
    EXPECT_EQ(c.GetLoadNumber(), 0u);
    ToProc();
    EXPECT_EQ(c.GetLoadNumber(), 1u);
    for (int step : {3, 2, 3, 4, 0, 1})
        c.GoToStep(step);
    EXPECT_EQ(c.GetLoadNumber(), 1u);
    factory.journal.failLoad = true;
    c.GoToStep(2);
    EXPECT_EQ(c.GetStep(), 1);
    EXPECT_EQ(c.GetLoadNumber(), 2u);
    factory.journal.failLoad = false;
    c.GoToStep(2);
    EXPECT_EQ(c.GetLoadNumber(), 3u);
}

// The parameter file holds the password: it never goes to the program's folder.
TEST_F(ControllerTest, WithoutAUsableDataFolderTheLoadStopsAndSaysWhy) {
    const std::string folder = Folder();
    const std::string tooLong = env.Dir().File(std::string(240, 'l'));
    struct Case {
        const char* name;
        std::function<void()> spoil;
        std::string shown; // the folder the message names
        const char* reason;
    } cases[] = {
        {"a file instead",
         [&] {
             std::filesystem::remove_all(folder);
             testsupport::WriteFile(folder.substr(0, folder.size() - 1), "no folder");
         },
         folder, "it is not a folder"},
        {"too long",
         [&] {
             std::filesystem::create_directories(tooLong);
             setenv("ZEMBRIK_APPDATA", tooLong.c_str(), 1);
         },
         tooLong + "/zembrik/LN-VX/", "its path is longer than 259 characters"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        k.spoil();
        CxStrCopy(c.GetSettings().AddrFile, "/data/names.nsf");
        c.GoToStep(0);
        c.GoToStep(1);
        log.Take();
        c.GoToStep(2);
        EXPECT_EQ(c.GetStep(), 1);
        EXPECT_EQ(log.Take(), "source.leave start stop");
        EXPECT_EQ(std::string(c.GetLoadError()),
                  "The data folder " + k.shown + " cannot be used: " + k.reason + ".");
        EXPECT_EQ(factory.journal.tempPath, "");
    }
}

TEST_F(ControllerTest, AStartRemovesStaleParameterFilesOfEveryKind) {
    for (const char* name :
         {"LNAddrParam.dat", "LNDateParam.dat", "LNTaskParam.dat", "LNNoteParam.dat"})
        testsupport::WriteFile(Folder() + name, "a password left behind");
    testsupport::WriteFile(Folder() + "LNAddr.dat", "kept");
    CxWizardController again;
    again.Start();
    for (const char* name :
         {"LNAddrParam.dat", "LNDateParam.dat", "LNTaskParam.dat", "LNNoteParam.dat"})
        EXPECT_FALSE(testsupport::FileExists(Folder() + name)) << name;
    EXPECT_TRUE(testsupport::FileExists(Folder() + "LNAddr.dat"));
}

TEST_F(ControllerTest, ARequiredPasswordThatIsEmptyLoadsNothing) {
    pages[WIZARD_PAGE_MODE]->kind = LN_KIND_TASK;
    CxStrCopy(c.GetSettings().MailDBName, "mail/jdoe.nsf");
    c.GetSettings().PasswordRequired = true;
    c.GoToStep(1);
    log.Take();
    c.GoToStep(2);
    EXPECT_EQ(c.GetStep(), 1);
    EXPECT_EQ(std::string(c.GetLoadError()).rfind("A password is required", 0), 0u);
}

TEST_F(ControllerTest, TheSelectionPageFollowsTheKind) {
    const tagCxLNTaskRec tasks[] = {MakeTask("5", "Call")};
    ASSERT_TRUE((WriteExchangeFile<CxLNTaskUtil>(Folder(), tasks, 1)));
    pages[WIZARD_PAGE_MODE]->kind = LN_KIND_TASK;
    CxStrCopy(c.GetSettings().MailDBName, "mail/jdoe.nsf");
    c.GoToStep(1);
    c.GoToStep(2);
    AddDefinition();
    log.Take();
    c.GoToStep(3);
    EXPECT_EQ(log.Take(), "fields.leave task.enter");
    ExpectView(3, WIZARD_PAGE_TASK_DATA, true, true, "&Cancel");
}

TEST_F(ControllerTest, PassesTheAccessOptionsOfContacts) {
    AppSettings& s = c.GetSettings();
    CxStrCopy(s.AddrFile, "/data/names.nsf");
    CxStrCopy(s.ServerName, "Hub");
    CxStrCopy(s.UserName, "Jane Doe");
    CxStrCopy(s.Password, "secret");
    CxStrCopy(s.MailDBName, "mail/jdoe.nsf");
    CxStrCopy(s.IDFile, "/ids/jane.id");
    s.EnableDebug = true;
    s.LogLevel = 1;
    c.GoToStep(1);
    c.GoToStep(2);
    const FakeJournal& j = factory.journal;
    EXPECT_EQ(j.tempPath, Folder());
    EXPECT_EQ(j.debugPath, Folder());
    EXPECT_EQ(j.server, "Hub");
    EXPECT_EQ(j.user, "Jane Doe");
    EXPECT_EQ(j.password, "secret");
    EXPECT_EQ(j.localName, "/data/names.nsf");
    EXPECT_EQ(j.mailDB, "mail/jdoe.nsf");
    EXPECT_EQ(j.idFile, ""); // contacts carry no ID file
    EXPECT_TRUE(j.debugEnabled);
    EXPECT_EQ(j.debugLevel, 1);
}

TEST_F(ControllerTest, PassesTheAccessOptionsOfCalendarWithoutPause) {
    pages[WIZARD_PAGE_MODE]->kind = LN_KIND_DATE;
    AppSettings& s = c.GetSettings();
    CxStrCopy(s.ServerName, "Hub");
    CxStrCopy(s.UserName, "Jane Doe");
    CxStrCopy(s.IDFile, "/ids/jane.id");
    c.GoToStep(1);
    log.Take();
    c.GoToStep(2);
    EXPECT_EQ(log.Take(),
              "source.leave start text:Loading Lotus Notes Calendar... status:" + Folder() +
                  "LNDateStatus.dat run stop"); // no exchange file: the load fails
    EXPECT_EQ(factory.journal.idFile, "/ids/jane.id");
    EXPECT_EQ(factory.journal.server, "Hub");
}

TEST_F(ControllerTest, AFailedLoadKeepsTheAccessPageAndSaysWhy) {
    struct Case {
        int kind;
        const char* addrFile;
        const char* server;
        const char* user;
        const char* mailDB;
        bool failLoad;
        const char* helperError;
        const char* expected;
        int loads;
    } cases[] = {
        {LN_KIND_ADDR, "", "", "", "", false, "", "No Lotus Notes contacts database is given.", 0},
        {LN_KIND_DATE, "", "Hub", "", "", false, "",
         "Give the Domino server and the user name, or the path of the mail database.", 0},
        {LN_KIND_TASK, "", "", "Jane", "", false, "",
         "Give the Domino server and the user name, or the path of the mail database.", 0},
        {LN_KIND_ADDR, "/x.nsf", "", "", "", true, "File does not exist", "File does not exist", 1},
        {LN_KIND_TASK, "", "", "", "m.nsf", true, "",
         "Failed to load Lotus Notes Tasks information.", 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.expected);
        c.GoToStep(0);
        factory.journal = FakeJournal();
        factory.journal.failLoad = k.failLoad;
        factory.journal.loadError = k.helperError;
        pages[WIZARD_PAGE_MODE]->kind = k.kind;
        AppSettings& s = c.GetSettings();
        CxStrCopy(s.AddrFile, k.addrFile);
        CxStrCopy(s.ServerName, k.server);
        CxStrCopy(s.UserName, k.user);
        CxStrCopy(s.MailDBName, k.mailDB);
        c.GoToStep(1);
        c.GoToStep(2);
        EXPECT_EQ(c.GetStep(), 1);
        EXPECT_EQ(view.stepText, GetStepText(1));
        EXPECT_STREQ(c.GetLoadError(), k.expected);
        EXPECT_EQ(factory.journal.loads, k.loads);
        EXPECT_EQ(view.errorReports, 0);
    }
}

TEST_F(ControllerTest, ALoadThatCannotMakeItsObjectsFreesEverything) {
    factory.journal.failCreate = true;
    CxStrCopy(c.GetSettings().AddrFile, "/x.nsf");
    EXPECT_FALSE(c.LoadNotesData());
    EXPECT_EQ(c.GetDateUtil(), nullptr);
    EXPECT_EQ(c.GetUpdateDefinitions(), nullptr);
    EXPECT_STRNE(c.GetLoadError(), "");
    factory.journal.failCreate = false;
    WriteContacts();
    EXPECT_TRUE(c.LoadNotesData());
    EXPECT_STREQ(c.GetLoadError(), "");
}

TEST_F(ControllerTest, APageThatThrowsKeepsTheStepAndShowsTheReport) {
    WriteContacts();
    ToSource();
    c.GoToStep(2);
    pages[WIZARD_PAGE_UPDATE_FIELD]->throwOnLeave = true;
    AddDefinition();
    c.GoToStep(3);
    EXPECT_EQ(c.GetStep(), 2);
    EXPECT_EQ(view.errorReports, 1);
}

TEST_F(ControllerTest, FindsCatalogueRowsOfTheCurrentKindOnceLoaded) {
    EXPECT_EQ(c.FindFieldInfo(3), nullptr); // no engine yet
    WriteContacts();
    ToSource();
    c.GoToStep(2);
    ASSERT_NE(c.FindFieldInfo(3), nullptr);
    EXPECT_STREQ(c.FindFieldInfo(3)->szName, "Last Name");
    EXPECT_EQ(c.FindFieldInfo(999), nullptr);
    c.GetSettings().AppFlag = LN_KIND_TASK;
    ASSERT_NE(c.FindFieldInfo(4), nullptr);
    EXPECT_STREQ(c.FindFieldInfo(4)->szName, "Importance");
}

TEST(Controller, OffersTheCurrentKindsCatalogueWithoutALoad) {
    CxWizardController c;
    const struct {
        int kind;
        int count;
        const char* first;
        const char* last;
    } kinds[] = {{LN_KIND_ADDR, 46, "First Name", "Anniversary"},
                 {LN_KIND_DATE, 6, "Subject", "Body"},
                 {LN_KIND_TASK, 8, "Subject", "End Date"}};
    for (const auto& k : kinds) {
        c.GetSettings().AppFlag = k.kind;
        ASSERT_EQ(c.GetUpdateFieldCount(), k.count) << k.kind;
        EXPECT_STREQ(c.GetUpdateFieldInfo(0)->szName, k.first);
        EXPECT_STREQ(c.GetUpdateFieldInfo(k.count - 1)->szName, k.last);
        EXPECT_EQ(c.GetUpdateFieldInfo(k.count), nullptr);
        EXPECT_EQ(c.GetUpdateFieldInfo(-1), nullptr);
    }
    c.GetSettings().AppFlag = 8;
    EXPECT_EQ(c.GetUpdateFieldCount(), 0);
    EXPECT_EQ(c.GetUpdateFieldInfo(0), nullptr);
}

TEST(Controller, InitDefinitionClearsAndMarksNoField) {
    tagFUFieldUpdate def;
    std::memset(&def, 0x5a, sizeof def);
    CxWizardController::InitDefinition(&def);
    EXPECT_EQ(def.nFieldKey, -1);
    EXPECT_EQ(def.nOperation, 0);
    EXPECT_EQ(def.szValue[0], '\0');
    EXPECT_EQ(def.dtValue, 0.0);
    CxWizardController::InitDefinition(nullptr);
}

TEST(Controller, ShutdownSavesTheSettingsButNeverThePassword) {
    testsupport::IsolatedEnv env;
    std::string ini;
    {
        CxWizardController c;
        c.Start();
        ini = c.GetSettingsFile();
        c.GetSettings().AppFlag = LN_KIND_TASK;
        CxStrCopy(c.GetSettings().Password, "secret");
        CxStrCopy(c.GetSettings().UserName, "Jane");
        c.Shutdown();
    }
    const std::string text = testsupport::ReadFile(ini);
    EXPECT_NE(text.find("AppFlag=4"), std::string::npos);
    EXPECT_NE(text.find("UserName=Jane"), std::string::npos);
    EXPECT_EQ(text.find("secret"), std::string::npos);
    EXPECT_EQ(text.find("Password"), std::string::npos);
    CxWizardController again;
    again.Start();
    EXPECT_EQ(again.GetSettings().AppFlag, LN_KIND_TASK);
    EXPECT_STREQ(again.GetSettings().Password, "");
}

} // namespace

// The data folder is the run's from its load to the end of its write-back:
// a load finds it held by another process and says who, then once that
// process has let go takes it, and keeps it until the write-back is over.
TEST_F(ControllerTest, ALoadTakesTheDataFolderAndSaysWhoElseHoldsIt) {
    WriteContacts();
    ToSource();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t other = fork();
    if (other == 0) {
        platform::CxFolderLock lock;
        if (lock.Take(Folder() + "LNRun.lock", "other-run", false, {}, nullptr, nullptr) !=
                platform::CxFolderLock::Result::Taken ||
            write(ready[1], "x", 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    char x = 0;
    ASSERT_EQ(read(ready[0], &x, 1), 1);
    c.GoToStep(2);
    EXPECT_EQ(c.GetStep(), 1);
    EXPECT_TRUE(c.DataFolderWasHeld());
    const std::string error = c.GetLoadError();
    EXPECT_EQ(error.find("The data folder " + Folder() + " is in use by other-run (process " +
                         std::to_string(other) + ") since "),
              0u)
        << error;
    EXPECT_NE(error.find(". Try again when it has finished."), std::string::npos) << error;
    kill(other, SIGKILL);
    waitpid(other, nullptr, 0);
    close(ready[0]);
    close(ready[1]);

    c.GoToStep(2);
    ASSERT_EQ(c.GetStep(), 2) << c.GetLoadError();
    EXPECT_FALSE(c.DataFolderWasHeld());
    EXPECT_FALSE(LNDataFolderHolder(Folder()).empty());
    std::string why;
    ASSERT_TRUE(c.BeginWriteBack(&why)) << why;
    c.EndWriteBack();
    EXPECT_TRUE(LNDataFolderHolder(Folder()).empty());
}

// A run that died while it wrote back left its mark in the lock: the next
// load says what that run had done.
TEST_F(ControllerTest, TheLoadAfterARunThatDiedInItsWriteBackSaysSo) {
    WriteContacts();
    ToSource();
    testsupport::WriteFile(Folder() + "LNRun.lock",
                           "program vxln-batch\npid 999999999\nsince 100\ndoing write-back\n"
                           "doing-since 200\n");
    c.GoToStep(2);
    ASSERT_EQ(c.GetStep(), 2) << c.GetLoadError();
    const std::string notice = c.GetPreviousRunNotice();
    EXPECT_EQ(notice.find("A run of vxln-batch (process 999999999) ended during its write-back of "),
              0u)
        << notice;
    EXPECT_NE(notice.find(" without finishing it. It had changed no document."),
              std::string::npos)
        << notice;
}
