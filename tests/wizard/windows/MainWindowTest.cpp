// The main window against a stand-in Notes installation with the real
// helper hosts: the first steps for every kind, the access page's rules,
// a failed load, and the settings kept on the way out.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "NotesInstall.h"
#include "TestSupport.h"
#include "WindowsTestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxList.h"
#include "platform/ProfileFile.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/CxCommWaitWindow.h"
#include "wizard/windows/dialogs/WaitWindow.h"
#include "wizard/windows/pages/WizardPageWidget.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

using testsupport::ReadFile;

class MainWindow : public ::testing::Test {
protected:
    std::string Setting(const char* key) const {
        char value[300] = "";
        platform::GetProfileString((notes.WizardFolder() + "zembrik.ini").c_str(), "LN-VX", key,
                                   "<missing>", value, sizeof value);
        return value;
    }
    void WriteSetting(const char* key, const char* value) const {
        platform::WriteProfileString((notes.WizardFolder() + "zembrik.ini").c_str(), "LN-VX", key,
                                     value);
    }
    template <typename Control> Control* Get(const char* name) const {
        return Find<Control>(main.get(), name);
    }
    void Start() {
        main = std::make_unique<TfmMain>();
        main->show();
    }
    // Chooses the kind on the mode page and moves to the access page.
    void ToSource(const char* kindButton) {
        Get<QRadioButton>(kindButton)->click();
        Get<QPushButton>("btnNext")->click();
        ASSERT_EQ(main->Controller().GetStep(), 1);
    }
    void SetMailDb(const std::string& path) {
        Get<QCheckBox>("cbMailDBName")->click();
        Get<QLineEdit>("edtLNDBPath")->setText(QString::fromStdString(path));
    }
    QString StepText() const { return Get<QLabel>("lblStep")->text(); }

    NotesInstall notes;
    CxPromptRecorder prompts;
    std::unique_ptr<TfmMain> main;
};

struct KindCase {
    const char* button;
    const char* seed; // notesdb seed arguments after the database
    const char* database;
    const char* loading;
    unsigned records;
};

unsigned LoadedRecords(CxWizardController& c) {
    switch (c.GetSettings().AppFlag) {
    case 1:
        return c.GetAddrUtil()->GetRecList()->GetCount();
    case 2:
        return c.GetDateUtil()->GetRecList()->GetCount();
    default:
        return c.GetTaskUtil()->GetRecList()->GetCount();
    }
}

class MainWindowKinds : public MainWindow, public ::testing::WithParamInterface<KindCase> {};

TEST_P(MainWindowKinds, LoadsTheKindWithTheWaitWindowAndReachesTheDefinitions) {
    const KindCase& kind = GetParam();
    const std::string db = notes.DataFile(kind.database);
    notes.Notesdb("create '" + db + "'");
    notes.Notesdb("seed '" + db + "' " + kind.seed);
    Start();
    EXPECT_EQ(StepText(), "Please choose the Lotus Notes data updating mode.");
    ToSource(kind.button);
    if (std::string(kind.database) == "names.nsf")
        Get<QLineEdit>("edtLNAddrPath")->setText(QString::fromStdString(db));
    else
        SetMailDb(db);

    std::set<QString> shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&shown] {
        if (CxCommWaitWindow* wait = CurrentWaitWindow())
            shown.insert(wait->ShownText());
    });
    watch.start(5);
    Get<QPushButton>("btnNext")->click();
    watch.stop();

    EXPECT_TRUE(prompts.Records().empty());
    ASSERT_EQ(main->Controller().GetStep(), 2) << main->Controller().GetLoadError();
    EXPECT_EQ(StepText(), "Please set the record field information for updating.");
    EXPECT_EQ(LoadedRecords(main->Controller()), kind.records);
    EXPECT_EQ(shown.count(kind.loading), 1u);
    EXPECT_EQ(CurrentWaitWindow(), nullptr);
    EXPECT_TRUE(Get<QPushButton>("btnPrev")->isEnabled());
    EXPECT_TRUE(main->Page(WIZARD_PAGE_UPDATE_FIELD)->isVisible());
    EXPECT_FALSE(main->Page(WIZARD_PAGE_SOURCE)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, MainWindowKinds,
    ::testing::Values(
        KindCase{"rbtnAddr", "contacts 7", "names.nsf", "Loading Lotus Notes Contacts...", 7},
        KindCase{"rbtnDate", "appointments 5", "mail/user.nsf", "Loading Lotus Notes Calendar...", 5},
        KindCase{"rbtnTask", "tasks 4", "mail/user.nsf", "Loading Lotus Notes Tasks...", 4}));

TEST_F(MainWindow, AFirstStartOffersTheInstallationsPathsAndTheBoxesGovernTheirEdits) {
    Start();
    EXPECT_TRUE(Get<QRadioButton>("rbtnAddr")->isChecked());
    EXPECT_FALSE(Get<QPushButton>("btnPrev")->isEnabled());
    EXPECT_EQ(Get<QPushButton>("btnClose")->text(), "&Cancel");
    ToSource("rbtnAddr");
    EXPECT_EQ(Get<QLineEdit>("edtNotesPath")->text().toStdString(), notes.ProgramFolder() + "notes");
    EXPECT_EQ(Get<QLineEdit>("edtLNAddrPath")->text().toStdString(),
              std::string(getenv("ZEMBRIK_LOCAL_APPDATA")) + "/Lotus/Notes/Data/names.nsf");
    EXPECT_EQ(Get<QLineEdit>("edtIDFile")->text().toStdString(), notes.ProgramFolder() + "Data/user.id");

    struct Rule {
        const char* box;
        bool ticked;
        std::vector<const char*> governed;
    };
    const Rule rules[] = {{"cbAddrLocal", true, {"edtLNAddrPath", "btnLNAddrBrowse"}},
                          {"cbMailDBName", false, {"edtLNDBPath"}},
                          {"cbLNPassword", false, {"edtLNPassword"}}};
    for (const Rule& rule : rules) {
        auto* box = Get<QCheckBox>(rule.box);
        EXPECT_EQ(box->isChecked(), rule.ticked) << rule.box;
        for (int click = 0; click < 3; ++click) {
            for (const char* name : rule.governed)
                EXPECT_EQ(Get<QWidget>(name)->isEnabled(), box->isChecked()) << name;
            box->click();
        }
    }
    EXPECT_EQ(Get<QLineEdit>("edtLNPassword")->echoMode(), QLineEdit::Password);

    // The tab order follows the access options' list, not the screen.
    const char* order[] = {"edtNotesPath", "btnNotesBrowse", "cbAddrLocal", "edtLNAddrPath",
                           "btnLNAddrBrowse", "edtServerName", "edtUserName", "cbLNPassword",
                           "edtLNPassword", "cbMailDBName", "edtLNDBPath", "edtIDFile",
                           "btnIDFileBrowse"};
    for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i)
        EXPECT_EQ(Get<QWidget>(order[i - 1])->nextInFocusChain(), Get<QWidget>(order[i])) << order[i];

    // The defaults are kept even when nothing else happens.
    main->close();
    EXPECT_EQ(Setting("NotesPath"), notes.ProgramFolder() + "notes");
    EXPECT_EQ(Setting("IDFile"), notes.ProgramFolder() + "Data/user.id");
}

TEST_F(MainWindow, AnUntickedMailDatabaseIsNeitherLoadedNorKept) {
    const std::string mail = notes.DataFile("mail/user.nsf");
    notes.Notesdb("create '" + mail + "'");
    notes.Notesdb("seed '" + mail + "' tasks 3");
    WriteSetting("MailDBName", mail.c_str());
    WriteSetting("AppFlag", "4");
    Start();
    ToSource("rbtnTask");
    EXPECT_TRUE(Get<QCheckBox>("cbMailDBName")->isChecked());
    Get<QCheckBox>("cbMailDBName")->click();
    Get<QLineEdit>("edtServerName")->setText("Nowhere/Acme");
    Get<QLineEdit>("edtUserName")->setText("Demo User");
    Get<QPushButton>("btnNext")->click();

    // Through the server, which does not answer: the file was not read.
    EXPECT_EQ(main->Controller().GetStep(), 1);
    EXPECT_STREQ(main->Controller().GetSettings().MailDBName, "");
    Get<QPushButton>("btnPrev")->click();
    Get<QPushButton>("btnNext")->click();
    EXPECT_FALSE(Get<QCheckBox>("cbMailDBName")->isChecked());
    EXPECT_FALSE(Get<QLineEdit>("edtLNDBPath")->isEnabled());
    EXPECT_EQ(Get<QLineEdit>("edtLNDBPath")->text(), "");
}

TEST_F(MainWindow, AFailedLoadSaysWhyAndStaysOnTheAccessPage) {
    Start();
    ToSource("rbtnDate");
    Get<QPushButton>("btnNext")->click();
    EXPECT_EQ(main->Controller().GetStep(), 1);
    EXPECT_EQ(StepText(), "Please set the Lotus Notes access options.");
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].caption, "Error");
    EXPECT_EQ(prompts.Records()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(prompts.Records()[0].text,
              "Give the Domino server and the user name, or the path of the mail database.");

    // A contacts database that is not there: the helper's own reason.
    prompts.Clear();
    Get<QPushButton>("btnPrev")->click();
    ToSource("rbtnAddr");
    Get<QLineEdit>("edtLNAddrPath")->setText(QString::fromStdString(notes.DataFile("missing.nsf")));
    Get<QPushButton>("btnNext")->click();
    EXPECT_EQ(main->Controller().GetStep(), 1);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].text.toStdString(), main->Controller().GetLoadError());
    EXPECT_FALSE(prompts.Records()[0].text.isEmpty());
}

// A run that died during its write-back is told of when the next load has
// taken the data folder; the load goes on.
TEST_F(MainWindow, TheLoadAfterARunThatDiedInItsWriteBackSaysWhatItDid) {
    const std::string db = notes.DataFile("names.nsf");
    notes.Notesdb("create '" + db + "'");
    notes.Notesdb("seed '" + db + "' contacts 2");
    testsupport::WriteFile(notes.WizardFolder() + "LNRun.lock",
                           "program vxln-batch\npid 999999999\nsince 100\ndoing write-back\n"
                           "doing-since 200\n");
    Start();
    ToSource("rbtnAddr");
    Get<QLineEdit>("edtLNAddrPath")->setText(QString::fromStdString(db));
    Get<QPushButton>("btnNext")->click();
    EXPECT_EQ(main->Controller().GetStep(), 2);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].caption, "Information");
    EXPECT_EQ(prompts.Records()[0].icon, QMessageBox::Information);
    EXPECT_EQ(prompts.Records()[0].text.toStdString(), main->Controller().GetPreviousRunNotice());
    EXPECT_TRUE(prompts.Records()[0].text.startsWith("A run of vxln-batch (process 999999999)"));
}

TEST_F(MainWindow, CancelAndTheWindowsCloseKeepTheSettingsButNeverThePassword) {
    for (const char* how : {"btnClose", "close"}) {
        Start();
        ToSource("rbtnTask");
        Get<QLineEdit>("edtServerName")->setText(QString(70, 'S'));
        Get<QCheckBox>("cbLNPassword")->click();
        Get<QLineEdit>("edtLNPassword")->setText("secret");
        Get<QPushButton>("btnNext")->click(); // the load fails: no such server
        if (std::string(how) == "btnClose")
            Get<QPushButton>("btnClose")->click();
        else
            main->close();
        EXPECT_EQ(Setting("AppFlag"), "4") << how;
        EXPECT_EQ(Setting("ServerName"), std::string(63, 'S')) << how;
        EXPECT_EQ(ReadFile(notes.WizardFolder() + "zembrik.ini").find("secret"), std::string::npos);
        main.reset();
        WriteSetting("AppFlag", "1");
    }
}

TEST_F(MainWindow, AnUnknownKindInTheSettingsStartsWithContacts) {
    WriteSetting("AppFlag", "8");
    Start();
    EXPECT_TRUE(Get<QRadioButton>("rbtnAddr")->isChecked());
}

TEST_F(MainWindow, BrowseButtonsOfferTheirFilesAndCancelChangesNothing) {
    Start();
    ToSource("rbtnAddr");
    struct Browse {
        const char* button;
        const char* edit;
        const char* filter;
    };
    const Browse browses[] = {
        {"btnNotesBrowse", "edtNotesPath", "Lotus Notes executable file (notes)"},
        {"btnLNAddrBrowse", "edtLNAddrPath", "Lotus Notes Contacts Database file (names.nsf) (*.nsf)"},
        {"btnIDFileBrowse", "edtIDFile", "Lotus Notes user ID file (*.id)"},
    };
    for (const Browse& b : browses) {
        auto* edit = Get<QLineEdit>(b.edit);
        const QString before = edit->text();
        prompts.Clear();
        Get<QPushButton>(b.button)->click(); // cancelled
        EXPECT_EQ(edit->text(), before);
        ASSERT_EQ(prompts.Records().size(), 1u);
        EXPECT_EQ(prompts.Records()[0].kind, tagPromptRecord::OpenFile);
        EXPECT_EQ(prompts.Records()[0].filter, b.filter);
        EXPECT_EQ(prompts.Records()[0].text, before);
        prompts.AnswerFile("/chosen/" + QString(b.edit));
        Get<QPushButton>(b.button)->click();
        EXPECT_EQ(edit->text(), "/chosen/" + QString(b.edit));
        EXPECT_STRNE(main->Controller().GetSettings().IDFile, "/chosen/edtIDFile");
    }
    // An emptied edit starts from the default.
    Get<QLineEdit>("edtIDFile")->clear();
    prompts.Clear();
    Get<QPushButton>("btnIDFileBrowse")->click();
    EXPECT_EQ(prompts.Records()[0].text.toStdString(), notes.ProgramFolder() + "Data/user.id");
}

} // namespace
