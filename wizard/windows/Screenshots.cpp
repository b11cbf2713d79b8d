// Renders every window of the wizard to PNG files, offscreen, against the
// Notes installation the environment names (tools/screenshots makes one).
//   vxln-screenshots DIR
#include <cstdio>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/lotus/CxLNAddr.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "common/pim/CommAddrMgr.h"
#include "wizard/Vxcommon.h"
#include "wizard/windows/CxCommWaitWindow.h"
#include "wizard/windows/ProductStyle.h"
#include "wizard/windows/Prompts.h"
#include "wizard/windows/TfmDebug.h"
#include "wizard/windows/TfmDump.h"
#include "wizard/windows/TfmMain.h"
#include "wizard/windows/TfmMode.h"
#include "wizard/windows/TfmSource.h"
#include "wizard/windows/WaitWindow.h"

namespace {

QString g_folder;

void Save(QWidget* window, const char* name) {
    QApplication::processEvents();
    const QString file = g_folder + "/" + name + ".png";
    if (!window->grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    else
        std::printf("%s\n", qPrintable(file));
}

template <typename Dialog> void SaveDialog(TfmMain& main, const char* name) {
    Dialog dialog(main.Controller().GetSettings(), &main);
    dialog.show();
    Save(&dialog, name);
}

void SaveWaitWindow(TfmMain& main) {
    StartWaitWindow(&main);
    SetWaitText("Loading Lotus Notes Contacts...");
    CxCommWaitWindow* wait = CurrentWaitWindow();
    for (int i = 0; i < 7; ++i)
        wait->OnTimer(CxCommWaitWindow::kTimerId);
    Save(wait, "wait-window");
    StopWaitWindow();
}

// Steps 0 to 2 of one kind; the access page as a first start shows it.
void WalkKind(TfmMain& main, QRadioButton* kind, const char* prefix, bool mailDb) {
    main.Controller().GoToStep(WIZARD_STEP_MODE);
    kind->setChecked(true);
    Save(&main, qPrintable(QString(prefix) + "-0-mode"));
    main.btnNext->click();
    auto* source = static_cast<TfmSource*>(main.Page(WIZARD_PAGE_SOURCE));
    if (mailDb) {
        source->cbMailDBName->setChecked(true);
        source->edtLNDBPath->setEnabled(true);
        source->edtLNDBPath->setText(QDir(qEnvironmentVariable("ZEMBRIK_REGISTRY"))
                                         .absoluteFilePath("../notes/Data/mail/demo.nsf"));
        source->edtLNDBPath->setText(QDir::cleanPath(source->edtLNDBPath->text()));
    }
    Save(&main, qPrintable(QString(prefix) + "-1-source"));
    main.btnNext->click();
    Save(&main, qPrintable(QString(prefix) + "-2-fields"));
}

// The contacts loaded last: one definition, the first ten records, the
// progress page caught mid-run and the finish page.
void SaveUpdateRun(TfmMain& main) {
    CxWizardController& c = main.Controller();
    c.GoToStep(WIZARD_STEP_FIELDS);
    tagFUFieldUpdate* def = CxWizardController::NewDefinition();
    def->nFieldKey = 8;
    def->nOperation = FU_OP_APPEND;
    CxStrCopy(def->szValue, " (checked)");
    c.GetUpdateDefinitions()->Add(def);
    main.btnNext->click();
    CommAddrMgr* mgr = c.GetAddrUtil()->GetDataMgr();
    int n = 0;
    for (tagCommAddrRec* r = mgr->GetFirstRec(); r && n < 10; r = mgr->GetNextRec(), ++n)
        c.GetSelectedRecords()->Add(r);
    int pauses = 0;
    c.SetPause([&main, &pauses](int) {
        if (++pauses == 4)
            Save(&main, "contacts-4-progress");
    });
    main.btnNext->click();
    while (c.GetStep() != WIZARD_STEP_FINISH)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Save(&main, "contacts-5-finish");
    c.SetPause(PauseWithoutInput);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vxln-screenshots DIR\n");
        return 2;
    }
    QApplication app(argc, argv);
    ApplyProductStyle(app);
    g_folder = QDir(argv[1]).absolutePath();
    QDir().mkpath(g_folder);
    CxPromptRecorder prompts; // nothing may wait for a click

    TfmMain main;
    main.show();
    auto* mode = static_cast<TfmMode*>(main.Page(WIZARD_PAGE_MODE));
    WalkKind(main, mode->rbtnDate, "calendar", true);
    WalkKind(main, mode->rbtnTask, "tasks", true);
    WalkKind(main, mode->rbtnAddr, "contacts", false);
    SaveUpdateRun(main);
    SaveWaitWindow(main);
    SaveDialog<TfmDebug>(main, "debug-options");
    SaveDialog<TfmDump>(main, "error-report");
    for (const tagPromptRecord& r : prompts.Records())
        std::fprintf(stderr, "prompt: %s: %s\n", qPrintable(r.caption), qPrintable(r.text));
    return 0;
}
