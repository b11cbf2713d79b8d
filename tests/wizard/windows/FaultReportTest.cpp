// Faults the program does not expect: one inside a step change shows the
// error report and keeps the step; one thrown out of an event handler is
// shown, with the report, and the program goes on.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>

#include "TestSupport.h"
#include "WindowsTestSupport.h"
#include "wizard/windows/app/Application.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/pages/WizardPageWidget.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

class ThrowingPage : public IWizardPage {
public:
    bool ExchangeData(bool) override { throw std::runtime_error("page fault"); }
};

class Thrower : public QObject {
public:
    bool known = true;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        if (known)
            throw std::runtime_error("boom");
        throw 42;
    }
};

class FaultReport : public ::testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<TfmMain>();
        main->show();
        App()->SetMainWindow(main.get());
    }
    void TearDown() override { App()->SetMainWindow(nullptr); }
    static CxApplication* App() { return static_cast<CxApplication*>(qApp); }
    std::vector<tagPromptRecord::Kind> Kinds() const {
        std::vector<tagPromptRecord::Kind> kinds;
        for (const tagPromptRecord& r : prompts.Records())
            kinds.push_back(r.kind);
        return kinds;
    }

    testsupport::IsolatedEnv env;
    CxPromptRecorder prompts;
    std::unique_ptr<TfmMain> main;
};

TEST_F(FaultReport, AFaultInAStepChangeShowsTheReportAndKeepsTheStep) {
    ThrowingPage page;
    main->Controller().SetPage(WIZARD_PAGE_MODE, &page);
    Find<QPushButton>(main.get(), "btnNext")->click();
    EXPECT_EQ(main->Controller().GetStep(), 0);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].kind, tagPromptRecord::Dialog);
    EXPECT_EQ(prompts.Records()[0].caption, "Handle Corvane Exception");
    main->Controller().SetPage(WIZARD_PAGE_MODE, main->Page(WIZARD_PAGE_MODE));
}

TEST_F(FaultReport, AFaultOutOfAnEventHandlerIsShownThenReported) {
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    RunEventsFor(20);
    ASSERT_EQ(Kinds(), (std::vector<tagPromptRecord::Kind>{tagPromptRecord::MessageBox,
                                                            tagPromptRecord::Dialog}));
    EXPECT_EQ(prompts.Records()[0].caption, "Corvane for Lotus Notes");
    EXPECT_EQ(prompts.Records()[0].text, "boom");
    EXPECT_EQ(prompts.Records()[0].icon, QMessageBox::Critical);

    // Anything else thrown: the report first, then an empty message.
    prompts.Clear();
    thrower.known = false;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    RunEventsFor(20);
    ASSERT_EQ(Kinds(), (std::vector<tagPromptRecord::Kind>{tagPromptRecord::Dialog,
                                                            tagPromptRecord::MessageBox}));
    EXPECT_EQ(prompts.Records()[1].text, "");
    EXPECT_TRUE(main->isVisible());
}

TEST_F(FaultReport, OptionsAreOfferedFromTheMainWindowAndFromTheReport) {
    prompts.AnswerDialog([](QDialog& options) {
        Find<QCheckBox>(&options, "cbEnable")->click();
        Find<QPushButton>(&options, "btnOK")->click();
        return options.result();
    });
    Find<QPushButton>(main.get(), "btnOption")->click();
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].caption, "Corvane Debug Log Options");
    EXPECT_TRUE(main->Controller().GetSettings().EnableDebug);

    main->ShowErrorReport();
    prompts.AnswerDialog([](QDialog& report) {
        Find<QPushButton>(&report, "btnDebug")->click();
        return int(QDialog::Accepted);
    });
    main->ShowErrorReport();
    ASSERT_EQ(prompts.Records().size(), 4u);
    EXPECT_EQ(prompts.Records()[3].caption, "Corvane Debug Log Options");
}

} // namespace
