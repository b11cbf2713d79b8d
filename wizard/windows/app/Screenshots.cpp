// Renders every window of the wizard to PNG files, offscreen, against the
// Notes installation the environment names (tools/screenshots makes one).
//   vxln-screenshots DIR
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTreeView>
#include <QTreeWidget>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/misc/CxList.h"
#include "common/pim/CommRecords.h"
#include "wizard/controller/WizardController.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/windows/app/ProductStyle.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/CxCommWaitWindow.h"
#include "wizard/windows/dialogs/FieldDetail.h"
#include "wizard/windows/dialogs/TfmDateDetail.h"
#include "wizard/windows/dialogs/TfmDebug.h"
#include "wizard/windows/dialogs/TfmDump.h"
#include "wizard/windows/dialogs/TfmImportValues.h"
#include "wizard/windows/dialogs/TfmOneField.h"
#include "wizard/windows/dialogs/WaitWindow.h"
#include "wizard/windows/dialogs/TfmEarlierRuns.h"
#include "wizard/windows/dialogs/TfmPreview.h"
#include "wizard/windows/pages/RecordFilterModel.h"
#include "wizard/windows/pages/RecordFinder.h"
#include "wizard/windows/pages/RecordPage.h"
#include "wizard/windows/pages/TfmMode.h"
#include "wizard/windows/pages/TfmSource.h"
#include "wizard/windows/pages/TfmUpdateField.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

QString g_folder;
CxPromptRecorder* g_prompts; // answers the dialogs a picture is taken of

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
            page->findChild<QTreeView*>()->setCurrentIndex(
                page->Shown()->mapFromSource(model->index(row, 0)));
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

typedef std::function<void(TfmOneField&)> FillFn;

void ChooseField(TfmOneField& dialog, const char* field) {
    dialog.cbName->setCurrentIndex(dialog.cbName->findText(field));
}

// Adds definitions through the page's own Add button.
void AddDefinitions(TfmMain& main, std::initializer_list<FillFn> fills) {
    auto* page = static_cast<TfmUpdateField*>(main.Page(WIZARD_PAGE_UPDATE_FIELD));
    for (const FillFn& fill : fills) {
        page->SetDialogRunner([&fill](TfmOneField& dialog) {
            fill(dialog);
            dialog.btnOK->click();
            return dialog.result();
        });
        page->btnAdd->click();
    }
    page->SetDialogRunner(nullptr);
}

// The Add dialog of the loaded kind on `field`.
void SaveFieldDialog(TfmMain& main, const char* field, const char* name, const FillFn& fill = {}) {
    tagFUFieldUpdate* definition = CxWizardController::NewDefinition();
    {
        TfmOneField dialog(main.Controller(), &main);
        dialog.SetDefinition(definition);
        dialog.ExchangeData(false);
        dialog.SetTitle("Add field updating definitions:");
        ChooseField(dialog, field);
        if (fill)
            fill(dialog);
        dialog.show();
        Save(&dialog, name);
    }
    std::free(definition);
}

// No catalogue has an Integer field; the tab is shown as a field would show it.
void SaveIntegerTab(TfmMain& main) {
    tagFUFieldInfo row{};
    row.nKey = 900;
    row.nType = FU_TYPE_INTEGER;
    tagFUFieldUpdate definition{};
    definition.nValue = 42;
    SaveFieldDialog(main, "", "field-dialog-integer", [&](TfmOneField& dialog) {
        const QSignalBlocker quiet(dialog.cbName);
        dialog.cbName->addItem("Percent Complete");
        dialog.cbName->setCurrentIndex(dialog.cbName->count() - 1);
        dialog.lblDesc->setText("Percent Complete");
        dialog.edtType->setText(GetFieldTypeName(FU_TYPE_INTEGER));
        dialog.pDetail->LoadDetails(row, definition);
    });
}

void SaveContactsDefinitions(TfmMain& main) {
    AddDefinitions(main, {
                             [](TfmOneField& d) {
                                 ChooseField(d, "Company Name");
                                 d.pDetail->edtSetValue->setText("Acme Corporation");
                             },
                             [](TfmOneField& d) {
                                 ChooseField(d, "Job Title");
                                 d.pDetail->rbtnReplace->click();
                                 d.pDetail->edtReplaceSource->setText("Mgr");
                                 d.pDetail->edtReplaceDest->setText("Manager");
                             },
                             [](TfmOneField& d) {
                                 ChooseField(d, "Note");
                                 d.pDetail->rbtnAppend->click();
                                 d.pDetail->edtAppendValue->setText(" (checked 2024)");
                             },
                             [](TfmOneField& d) {
                                 ChooseField(d, "Business Phone");
                                 d.pDetail->rbtnInsert->click();
                                 d.pDetail->edtInsertValue->setText("+1 ");
                                 d.pDetail->edtPosition->setValue(0);
                             },
                             [](TfmOneField& d) {
                                 ChooseField(d, "Anniversary");
                                 d.pDetail->pDate->setDate(QDate(2024, 6, 1));
                             },
                         });
    // The selection stays in sight while the focus is elsewhere.
    auto* page = static_cast<TfmUpdateField*>(main.Page(WIZARD_PAGE_UPDATE_FIELD));
    page->lvFields->setCurrentItem(page->lvFields->topLevelItem(1));
    main.btnNext->setFocus();
    Save(&main, "contacts-2-definitions");
    SaveFieldDialog(main, "Department", "field-dialog-string", [](TfmOneField& d) {
        d.pDetail->rbtnReplace->click();
        d.pDetail->edtReplaceSource->setText("Sales");
        d.pDetail->edtReplaceDest->setText("Sales & Marketing");
    });
    SaveFieldDialog(main, "Birth Date", "field-dialog-date");
    SaveFieldDialog(main, "Display Name", "field-dialog-template", [](TfmOneField& d) {
        d.pDetail->rbtnTemplate->click();
        d.pDetail->edtTemplate->setText("{First Name} {Last Name}");
        d.pDetail->cbTemplateField->setCurrentIndex(d.pDetail->cbTemplateField->findText("Job Title"));
    });
    SaveIntegerTab(main);
}

// A values file of the first loaded contacts, keyed by their e-mail
// addresses, with one key of nobody's.
QString WriteValuesFile(TfmMain& main, bool broken) {
    const QString path = g_folder + (broken ? "/values-broken.csv" : "/values.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return path;
    file.write("Business Email,Job Title,Business Phone,Birth Date\r\n");
    CxLNAddrUtil* util = main.Controller().GetAddrUtil();
    int n = 0;
    for (tagCxLNAddrRec* rec = util->GetFirstRec(); rec && n < 4; rec = util->GetNextRec(), ++n)
        file.write(QString("%1,\"Head of \"\"%2\"\"\",+1 555 010%3,1980-0%4-1%3\r\n")
                       .arg(rec->szBusinessEmail, rec->szDepartment)
                       .arg(n)
                       .arg(n + 1)
                       .toUtf8());
    file.write(broken ? "nobody@example.com,\"Lead,1980-13-01\r\n"
                      : "nobody@example.com,Lead,,\r\n");
    return path;
}

void SaveImport(TfmMain& main) {
    auto* page = static_cast<TfmUpdateField*>(main.Page(WIZARD_PAGE_UPDATE_FIELD));
    const char* const names[] = {"import-values-broken", "import-values"};
    for (const char* name : names) {
        const bool broken = name == names[0];
        const QString path = WriteValuesFile(main, broken);
        page->SetImportRunner([&](TfmImportValues& dialog) {
            dialog.OpenFile(path);
            dialog.show();
            Save(&dialog, name);
            dialog.btnOK->click();
            return dialog.result();
        });
        page->btnImport->click();
        QFile::remove(path);
    }
    page->SetImportRunner(nullptr);
    Save(&main, "contacts-2-definitions-imported");
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

// Step 3 of the kind loaded last, once it has a definition, and its details.
void SaveRecords(TfmMain& main, const char* prefix, const char* field) {
    if (main.Controller().GetUpdateDefinitions()->GetCount() == 0)
        AddDefinitions(main, {[field](TfmOneField& d) { ChooseField(d, field); }});
    main.btnNext->click();
    Save(&main, qPrintable(QString(prefix) + "-3-records"));
    auto* page = static_cast<CxRecordPage*>(
        main.Page(GetSelectionPage(main.Controller().GetSettings().AppFlag)));
    if (main.Controller().GetSettings().AppFlag == LN_KIND_DATE)
        HighlightRepeating(page);
    SaveDetail(page, prefix);
}

// The contacts found by a company's name, and the preview of their changes.
void SaveFoundAndPreview(TfmMain& main) {
    auto* page = static_cast<CxRecordPage*>(main.Page(WIZARD_PAGE_ADDR_DATA));
    CxRecordListModel* rows = page->Model();
    const QString company = rows->rowCount() > 0 ? rows->index(0, 6).data().toString() : QString();
    page->Finder()->edtFind->setText(company.left(4).toLower());
    page->btnClear->click();
    page->btnSelAll->click();
    Save(&main, "contacts-3-records-found");
    g_prompts->AnswerDialog([](QDialog& dialog) {
        static_cast<TfmPreview&>(dialog).FillAll();
        dialog.show();
        Save(&dialog, "preview");
        return QDialog::Accepted;
    });
    page->btnPreview->click();
    page->Finder()->edtFind->clear();
}

// The runs the journal holds, once the contacts were written back.
void SaveEarlierRuns(TfmMain& main) {
    main.Controller().GoToStep(WIZARD_STEP_MODE);
    g_prompts->AnswerDialog([](QDialog& dialog) {
        dialog.show();
        Save(&dialog, "earlier-runs");
        return QDialog::Accepted;
    });
    static_cast<TfmMode*>(main.Page(WIZARD_PAGE_MODE))->btnRuns->click();
}

// The contacts' definitions run on every record: the progress page caught
// mid-run and the finish page.
void SaveUpdateRun(TfmMain& main) {
    CxWizardController& c = main.Controller();
    uint32_t pauses = 0;
    // Halfway through the ticked records, however many the import left ticked.
    c.SetPause([&main, &c, &pauses](int) {
        const CxList* selected = c.GetSelectedRecords();
        const uint32_t half = selected && selected->GetCount() > 1 ? selected->GetCount() / 2 : 1;
        if (++pauses == half)
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
    g_prompts = &prompts;

    TfmMain main;
    main.show();
    auto* mode = static_cast<TfmMode*>(main.Page(WIZARD_PAGE_MODE));
    WalkKind(main, mode->rbtnDate, "calendar", true);
    SaveFieldDialog(main, "Start Date & Time", "field-dialog-datetime");
    SaveRecords(main, "calendar", "Subject");
    WalkKind(main, mode->rbtnTask, "tasks", true);
    SaveFieldDialog(main, "Private", "field-dialog-boolean");
    SaveFieldDialog(main, "Importance", "field-dialog-enumeration");
    SaveRecords(main, "tasks", "Subject");
    SaveRepetitions();
    WalkKind(main, mode->rbtnAddr, "contacts", false);
    SaveContactsDefinitions(main);
    SaveImport(main);
    SaveRecords(main, "contacts", "Company Name");
    SaveFoundAndPreview(main);
    SaveUpdateRun(main);
    SaveEarlierRuns(main);
    SaveWaitWindow(main);
    SaveDialog<TfmDebug>(main, "debug-options");
    SaveDialog<TfmDump>(main, "error-report");
    for (const tagPromptRecord& r : prompts.Records())
        std::fprintf(stderr, "prompt: %s: %s\n", qPrintable(r.caption), qPrintable(r.text));
    return 0;
}
