// Renders every window of the wizard to PNG files, offscreen, against the
// Notes installation the environment names (tools/screenshots makes one).
//   vxln-screenshots DIR
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeView>

#include "common/pim/CommRecords.h"
#include "wizard/windows/CxCommWaitWindow.h"
#include "wizard/windows/ProductStyle.h"
#include "wizard/windows/Prompts.h"
#include "wizard/windows/RecordPage.h"
#include "wizard/windows/TfmDateDetail.h"
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

QString Slug(QString text) {
    return text.toLower().replace(' ', '-');
}

// Every visible tab of `tabs`, and of the tab widget inside each, on its own.
void SaveTabs(QWidget* dialog, QTabWidget* tabs, const QString& prefix) {
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i))
            continue;
        tabs->setCurrentIndex(i);
        const QString name = prefix + "-" + Slug(tabs->tabText(i));
        auto* inner = tabs->widget(i)->findChild<QTabWidget*>();
        if (inner)
            SaveTabs(dialog, inner, name);
        else
            Save(dialog, qPrintable(name));
    }
}

// The kind's detail dialog of the highlighted row, every tab.
void SaveDetail(CxRecordPage* page, const char* prefix) {
    page->SetShowDetail([prefix](QDialog& dialog) {
        dialog.show();
        auto* tabs = dialog.findChild<QTabWidget*>();
        if (tabs)
            SaveTabs(&dialog, tabs, QString(prefix) + "-detail");
        else
            Save(&dialog, qPrintable(QString(prefix) + "-detail"));
    });
    page->findChildren<QPushButton*>(QRegularExpression("^btn.*Detail$")).first()->click();
}

// Highlights the first calendar entry that repeats weekly, so its dialog
// shows a recurrence.
void HighlightRepeating(CxRecordPage* page) {
    CxRecordListModel* model = page->Model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (static_cast<const tagCommDateRec*>(model->Record(row))->nRepeatKind == 2) {
            page->findChild<QTreeView*>()->setCurrentIndex(model->index(row, 0));
            return;
        }
    }
}

// The repetitions the demo entries lack, each on its own tab, with an end.
void SaveRepetitions() {
    const struct {
        int kind;
        const char* name;
    } kinds[] = {{1, "daily"}, {4, "monthly"}, {6, "yearly"}};
    for (const auto& k : kinds) {
        tagCommDateRec rec;
        std::memset(&rec, 0, sizeof rec);
        rec.stStart = {2021, 3, 1, 1, 9, 0, 0, 0};
        rec.nRepeatKind = k.kind;
        rec.nRepeatInterval = 2;
        rec.bRepeatUntil = 1;
        rec.stRepeatUntil = {2022, 12, 3, 31, 0, 0, 0, 0};
        TfmDateDetail dialog(nullptr);
        dialog.ShowRecord(&rec);
        dialog.pDate->setCurrentWidget(dialog.tRecur);
        dialog.show();
        Save(&dialog, qPrintable(QString("calendar-detail-recurrence-") + k.name));
    }
}

// Steps 0 to 3 of one kind; the access page as a first start shows it.
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
    main.btnNext->click();
    Save(&main, qPrintable(QString(prefix) + "-3-records"));
    auto* page = static_cast<CxRecordPage*>(
        main.Page(GetSelectionPage(main.Controller().GetSettings().AppFlag)));
    if (main.Controller().GetSettings().AppFlag == LN_KIND_DATE)
        HighlightRepeating(page);
    SaveDetail(page, prefix);
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
    WalkKind(main, mode->rbtnAddr, "contacts", false);
    WalkKind(main, mode->rbtnDate, "calendar", true);
    WalkKind(main, mode->rbtnTask, "tasks", true);
    SaveRepetitions();
    SaveWaitWindow(main);
    SaveDialog<TfmDebug>(main, "debug-options");
    SaveDialog<TfmDump>(main, "error-report");
    for (const tagPromptRecord& r : prompts.Records())
        std::fprintf(stderr, "prompt: %s: %s\n", qPrintable(r.caption), qPrintable(r.text));
    return 0;
}
