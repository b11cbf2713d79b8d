// The log options and the error report: the level list, what OK and Cancel
// keep, the log's folder and file, and quitting from the report.
#include <gtest/gtest.h>

#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "TestSupport.h"
#include "WindowsTestSupport.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/WinUtil.h"
#include "platform/ProfileFile.h"
#include "wizard/controller/Apputil.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/TfmDebug.h"
#include "wizard/windows/dialogs/TfmDump.h"
#include "wizard/windows/widgets/ImageLink.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

using testsupport::ReadFile;

class Diagnostics : public ::testing::Test {
protected:
    std::string Folder() const { return env.AppData() + "/zembrik/LN-VX/"; }
    bool ShellOpened(const std::string& text) const { return WaitForShellOpen(env, text); }

    testsupport::IsolatedEnv env;
    CxPromptRecorder prompts;
    AppSettings settings{};
};

TEST_F(Diagnostics, LevelsMapToTheListAndOkPassesThemToTheLog) {
    const struct {
        int stored;
        int position;
        int saved;
    } cases[] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 3}, {3, 2, 3}, {-5, 2, 3}};
    for (const auto& c : cases) {
        settings.LogLevel = c.stored;
        TfmDebug dialog(settings, nullptr);
        auto* level = Find<QComboBox>(&dialog, "cbxLevel");
        ASSERT_EQ(level->count(), 3);
        EXPECT_EQ(level->currentIndex(), c.position) << c.stored;
        Find<QPushButton>(&dialog, "btnOK")->click();
        EXPECT_EQ(settings.LogLevel, c.saved) << c.stored;
        EXPECT_EQ(GetDebugUtil()->GetLevel(), c.saved);
    }
    settings.LogLevel = 2;
    TfmDebug dialog(settings, nullptr);
    EXPECT_EQ(Find<QComboBox>(&dialog, "cbxLevel")->currentText(),
              "Low - Log very detail debug information.");
    Find<QCheckBox>(&dialog, "cbEnable")->click();
    Find<QComboBox>(&dialog, "cbxLevel")->setCurrentIndex(-1);
    Find<QPushButton>(&dialog, "btnOK")->click();
    EXPECT_TRUE(settings.EnableDebug);
    EXPECT_EQ(settings.LogLevel, 3);
    EXPECT_TRUE(GetDebugUtil()->IsEnabled());
    GetDebugUtil()->Enable(false);
}

TEST_F(Diagnostics, CancelKeepsTheOptions) {
    settings.EnableDebug = false;
    settings.LogLevel = 1;
    TfmDebug dialog(settings, nullptr);
    Find<QCheckBox>(&dialog, "cbEnable")->click();
    Find<QComboBox>(&dialog, "cbxLevel")->setCurrentIndex(0);
    Find<QPushButton>(&dialog, "btnCancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(settings.EnableDebug);
    EXPECT_EQ(settings.LogLevel, 1);
}

TEST_F(Diagnostics, TheLogFolderAndFileOpenWithTheShellOnceTheLogExists) {
    TfmDump report(settings, nullptr);
    EXPECT_EQ(Find<QLineEdit>(&report, "edtFolder")->text().toStdString(), Folder());
    EXPECT_EQ(Find<QLineEdit>(&report, "edtFile")->text().toStdString(), Folder() + "appdebug.log");

    Find<QPushButton>(&report, "btnFile")->click();
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].caption, "Error");
    EXPECT_EQ(prompts.Records()[0].text, "Debug log file doesn't exist");
    EXPECT_EQ(prompts.Records()[0].icon, QMessageBox::Information);

    testsupport::WriteFile(Folder() + "appdebug.log", "a line\r\n");
    Find<QPushButton>(&report, "btnFile")->click();
    EXPECT_EQ(prompts.Records().size(), 1u);
    EXPECT_TRUE(ShellOpened(Folder() + "appdebug.log"));
    Find<QPushButton>(&report, "btnFolder")->click();
    EXPECT_TRUE(ShellOpened(Folder() + "\n"));
}

TEST_F(Diagnostics, WithoutADataFolderTheLogButtonsAreOff) {
    const std::string file = env.Dir().File("plain");
    testsupport::WriteFile(file, "a file where the folder should be");
    setenv("ZEMBRIK_APPDATA", file.c_str(), 1); // the isolation puts it back
    TfmDebug dialog(settings, nullptr);
    EXPECT_FALSE(Find<QPushButton>(&dialog, "btnFolder")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(&dialog, "btnFile")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(&dialog, "edtFile")->text(), "");
}

TEST_F(Diagnostics, TheSupportLinkWritesABugReportMail) {
    TfmDump report(settings, nullptr);
    emit Find<QLabel>(&report, "lblSupport")->linkActivated("mail");
    EXPECT_TRUE(ShellOpened(std::string("mailto:") + kSupportAddress +
                            "?subject=Corvane%20for%20Lotus%20Notes%20Bug%20Report"));
}

TEST_F(Diagnostics, QuitFromTheReportEndsTheProgramAndKeepsTheSettings) {
    auto main = std::make_unique<TfmMain>();
    main->show();
    main->Controller().GetSettings().AppFlag = 4;
    {
        TfmDump report(main->Controller().GetSettings(), main.get());
        Find<QPushButton>(&report, "btnExit")->click();
        EXPECT_EQ(report.result(), QDialog::Rejected);
    }
    RunEventsFor(20);
    EXPECT_FALSE(main->isVisible());
    char flag[8] = "";
    platform::GetProfileString((Folder() + "zembrik.ini").c_str(), "LN-VX", "AppFlag", "", flag,
                               sizeof flag);
    EXPECT_STREQ(flag, "4");
}

TEST_F(Diagnostics, TheProductPicturesOpenTheHomePageAndHelpOpensTheManual) {
    TfmMain main;
    auto* name = Find<CxImageLink>(&main, "imgText");
    EXPECT_EQ(name->cursor().shape(), Qt::PointingHandCursor);
    emit name->clicked();
    EXPECT_TRUE(ShellOpened(kHomePageAddress));
    Find<QPushButton>(&main, "btnHelp")->click();
    char folder[CX_MAX_PATH] = "";
    GetModulePath(nullptr, folder);
    const std::string help = std::string(folder) + "VX_LN.html";
    EXPECT_TRUE(ShellOpened(help + "\n"));
    EXPECT_NE(ReadFile(help).find("<h2>The six steps</h2>"), std::string::npos);
}

} // namespace
