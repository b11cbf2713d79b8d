// The wizard walked with the keyboard alone: in every window each mnemonic
// is its own, each label with one leads to its control, Tab goes through
// the controls in order, Enter does the default action and Esc cancels.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "NotesInstall.h"
#include "WindowsTestSupport.h"
#include "common/misc/CxList.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/TfmAddrDetail.h"
#include "wizard/windows/dialogs/TfmDateDetail.h"
#include "wizard/windows/dialogs/TfmDebug.h"
#include "wizard/windows/dialogs/TfmDump.h"
#include "wizard/windows/dialogs/TfmEarlierRuns.h"
#include "wizard/windows/dialogs/TfmImportValues.h"
#include "wizard/windows/dialogs/TfmOneField.h"
#include "wizard/windows/dialogs/TfmPreview.h"
#include "wizard/windows/dialogs/TfmTodoDetail.h"
#include "wizard/windows/pages/WizardPageWidget.h"
#include "wizard/windows/dialogs/FieldDetail.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

// The letter after a single '&', lower case; none for "&&" or no '&'.
QChar Mnemonic(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1].toLower();
        ++i;
    }
    return QChar();
}

bool Shown(const QWidget* w, const QWidget* window) {
    return w->window() == window && w->isVisibleTo(window);
}

// The control a widget stands for: Qt's own parts (a spin box's edit, a tab
// widget's bar) are named after their owner.
QString ControlName(const QWidget* w) {
    while (w && (w->objectName().isEmpty() || w->objectName().startsWith("qt_")))
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

struct tagCaption {
    QString owner;
    QString text;
    const QLabel* label; // a label's caption
};

// Every caption shown in `window` that may carry a mnemonic.
std::vector<tagCaption> Captions(QWidget* window) {
    std::vector<tagCaption> captions;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!Shown(w, window))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            captions.push_back({ControlName(w), button->text(), nullptr});
        else if (auto* label = qobject_cast<QLabel*>(w))
            captions.push_back({ControlName(w), label->text(), label});
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            captions.push_back({ControlName(w), group->title(), nullptr});
        else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    captions.push_back({ControlName(w), tabs->tabText(i), nullptr});
        }
    }
    return captions;
}

// "letter: owner owner" for each letter taken twice.
QStringList SharedMnemonics(QWidget* window) {
    std::map<QChar, QStringList> owners;
    for (const tagCaption& c : Captions(window))
        if (!Mnemonic(c.text).isNull())
            owners[Mnemonic(c.text)] << c.owner + " \"" + c.text + "\"";
    QStringList shared;
    for (const auto& entry : owners)
        if (entry.second.size() > 1)
            shared << QString(entry.first) + ": " + entry.second.join(", ");
    return shared;
}

QStringList LabelsWithoutBuddy(QWidget* window) {
    QStringList lonely;
    for (const tagCaption& c : Captions(window))
        if (c.label && !Mnemonic(c.text).isNull() && !c.label->buddy())
            lonely << c.text;
    return lonely;
}

// The controls Tab reaches in `window`, from its first one around.
QStringList FocusChain(QWidget* window) {
    QStringList chain;
    QWidget* w = window;
    for (int guard = 0; guard < 2000; ++guard) {
        w = w->nextInFocusChain();
        if (w == window)
            break;
        // A tab bar's scroll buttons are part of the bar.
        if (!Shown(w, window) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
            w->focusProxy() || qobject_cast<QTabBar*>(w->parentWidget()))
            continue;
        const QString name = ControlName(w);
        if (chain.isEmpty() || chain.last() != name)
            chain << name;
    }
    return chain;
}

// Turns `chain` so that it starts at `first`, as a cycle is the same from
// any of its controls.
QStringList From(const QStringList& chain, const QString& first) {
    const int at = chain.indexOf(first);
    if (at < 0)
        return chain;
    return chain.mid(at) + chain.mid(0, at);
}

// The captions are the product's own texts, and these two share their letter
// as written: Alt+P goes to each in turn.
const QStringList kGivenShared = {"p: btnProp \"&Properties\", btnPrev \"< &Prev\""};

void ExpectWalkable(QWidget* window, const QStringList& tabOrder, const char* what) {
    SCOPED_TRACE(what);
    QStringList shared = SharedMnemonics(window);
    for (const QString& given : kGivenShared)
        shared.removeAll(given);
    EXPECT_EQ(shared, QStringList());
    EXPECT_EQ(LabelsWithoutBuddy(window), QStringList());
    EXPECT_EQ(From(FocusChain(window), tabOrder.value(0)), tabOrder);
}

class KeyboardWalk : public ::testing::Test {
protected:
    void SetUp() override {
        notes.Notesdb("create '" + db + "'");
        notes.Notesdb("seed '" + db + "' contacts 3");
        main = std::make_unique<TfmMain>();
        main->show();
        c().SetPause([](int) {});
    }
    CxWizardController& c() { return main->Controller(); }
    template <typename Control> Control* Get(const char* name) const {
        return Find<Control>(main.get(), name);
    }
    void Load() {
        LoadFromAccessPage(main.get(), "rbtnAddr", db, false);
        ASSERT_EQ(c().GetStep(), 2) << c().GetLoadError();
    }

    NotesInstall notes;
    const std::string db = notes.DataFile("names.nsf");
    CxPromptRecorder prompts;
    std::unique_ptr<TfmMain> main;
};

// The button bar after the page's controls, left to right, then Help.
QStringList WithBar(QStringList page, bool prev = true, bool next = true) {
    page << "btnOption";
    if (prev)
        page << "btnPrev";
    if (next)
        page << "btnNext";
    return page << "btnClose" << "btnHelp";
}

// A key pressed on `w` and what it set off.
void Press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(w, key, modifiers);
    QApplication::processEvents();
}

TEST_F(KeyboardWalk, EveryPageOfTheMainWindow) {
    ExpectWalkable(main.get(), WithBar({"rbtnAddr", "rbtnDate", "rbtnTask", "btnRuns"}, false),
                   "mode");
    Get<QPushButton>("btnNext")->click();
    // Every control of the access page enabled, in the order of its table.
    Get<QCheckBox>("cbLNPassword")->setChecked(true);
    Get<QCheckBox>("cbMailDBName")->setChecked(true);
    ExpectWalkable(main.get(),
                   WithBar({"edtNotesPath", "btnNotesBrowse", "cbAddrLocal", "edtLNAddrPath",
                            "btnLNAddrBrowse", "edtServerName", "edtUserName", "cbLNPassword",
                            "edtLNPassword", "cbMailDBName", "edtLNDBPath", "edtIDFile",
                            "btnIDFileBrowse"}),
                   "access");
    Get<QCheckBox>("cbLNPassword")->setChecked(false);
    Get<QCheckBox>("cbMailDBName")->setChecked(false);
    Get<QPushButton>("btnPrev")->click();
    Load();

    // The field dialog, through the prompt seam: Enter in its edit is OK.
    prompts.AnswerDialog([](QDialog& d) {
        auto& dialog = static_cast<TfmOneField&>(d);
        dialog.show();
        dialog.cbName->setCurrentIndex(dialog.cbName->findText("Job Title"));
        dialog.pDetail->rbtnAppend->setChecked(true);
        ExpectWalkable(&dialog,
                       {"cbName", "edtType", "pDetail", "rbtnSet", "rbtnAppend", "edtAppendValue",
                        "rbtnInsert", "rbtnReplace", "rbtnTemplate", "btnOK", "btnCancel"},
                       "field dialog");
        dialog.pDetail->edtAppendValue->setText(" (checked)");
        Press(dialog.pDetail->edtAppendValue, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        return dialog.result();
    });
    Get<QPushButton>("btnAdd")->click();
    ASSERT_EQ(c().GetUpdateDefinitions()->GetCount(), 1u);
    auto* fields = Get<QTreeWidget>("lvFields");
    fields->setCurrentItem(fields->topLevelItem(0));
    ExpectWalkable(main.get(), WithBar({"lvFields", "btnAdd", "btnDel", "btnProp", "btnImport"}),
                   "definitions");

    Get<QPushButton>("btnNext")->click();
    ASSERT_EQ(c().GetStep(), 3);
    ExpectWalkable(main.get(),
                   WithBar({"edtFind", "lvAddrData", "btnSelAll", "btnClear", "btnPreview",
                            "btnAddrDetail"}),
                   "records");

    Get<QPushButton>("btnNext")->click();
    for (int i = 0; i < 300 && c().GetStep() != WIZARD_STEP_FINISH; ++i)
        RunEventsFor(20);
    ASSERT_EQ(c().GetStep(), WIZARD_STEP_FINISH);
    ExpectWalkable(main.get(), WithBar({"btnLN", "btnAnother", "btnUndo"}, false, false),
                   "finish");
    // Finish is the default once there is no next step, and Enter presses it.
    EXPECT_TRUE(Get<QPushButton>("btnClose")->isDefault());
    EXPECT_FALSE(Get<QPushButton>("btnNext")->isDefault());
    auto* result = Get<QLabel>("lblResult");
    if (QWidget* focused = main->focusWidget())
        focused->clearFocus();
    Press(result, Qt::Key_Return);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(KeyboardWalk, EveryDialog) {
    Load();
    AppSettings settings{};
    tagFUFieldUpdate definition;
    CxWizardController::InitDefinition(&definition);
    const struct {
        const char* what;
        std::function<QDialog*()> make;
        std::function<void(QDialog*)> prepare;
        QStringList order;
    } windows[] = {
        {"options", [&] { return new TfmDebug(settings, main.get()); }, nullptr,
         {"cbEnable", "cbxLevel", "edtFolder", "btnFolder", "edtFile", "btnFile", "btnOK",
          "btnCancel"}},
        {"error report", [&] { return new TfmDump(settings, main.get()); }, nullptr,
         {"edtFolder", "btnFolder", "edtFile", "btnFile", "btnDebug", "btnOK", "btnExit"}},
        {"field dialog, a date", [&] { return new TfmOneField(c(), main.get()); },
         [&definition](QDialog* d) {
             auto* dialog = static_cast<TfmOneField*>(d);
             dialog->SetDefinition(&definition);
             dialog->ExchangeData(false);
             dialog->cbName->setCurrentIndex(dialog->cbName->findText("Birth Date"));
         },
         {"cbName", "edtType", "pDetail", "pDate", "btnOK", "btnCancel"}}, // a date without time
        {"import values", [&] { return new TfmImportValues(c(), main.get()); }, nullptr,
         {"edtFile", "btnBrowse", "cbEncoding", "sbColumns", "cbKey", "lvUnmatched", "memErrors",
          "btnCancel"}},
        {"contact", [&] { return new TfmAddrDetail(main.get()); }, nullptr,
         {"pMain", "edtFirst", "edtLast", "edtCompany", "edtTitle", "edtBusiTel", "edtHomeTel",
          "edtMobileTel", "edtOtherTel", "edtEmail", "edtFax", "edtPager", "edtMainTel",
          "edtBirthday", "cbPrivate", "edtCategory", "btnClose"}},
        {"contact's address", [&] { return new TfmAddrDetail(main.get()); },
         [](QDialog* d) {
             auto* dialog = static_cast<TfmAddrDetail*>(d);
             dialog->pMain->setCurrentWidget(dialog->tAddr);
         },
         {"pMain", "pAddr", "memBusiStreet", "edtBusiCity", "edtBusiState", "edtBusiPostal",
          "edtBusiCountry", "btnClose"}},
        {"calendar entry", [&] { return new TfmDateDetail(main.get()); }, nullptr,
         {"pDate", "edtDesc", "edtDate", "edtStartTime", "edtEndTime", "edtLocation",
          "edtCategory", "cbAlarm", "cbPrivate", "cbAllday", "btnClose"}},
        {"weekly repetition", [&] { return new TfmDateDetail(main.get()); },
         [](QDialog* d) {
             auto* dialog = static_cast<TfmDateDetail*>(d);
             dialog->pDate->setCurrentWidget(dialog->tRecur);
             dialog->pRecur->setCurrentWidget(dialog->tWeekly);
         },
         {"pDate", "pRecur", "edtRecurWeeks", "cbMonday", "cbTuesday", "cbWednesday",
          "cbThursday", "cbFriday", "cbSaturday", "cbSunday", "edtRecurStart", "rbtnNoEnd",
          "rbtnEndBy", "edtRecurEnd", "btnClose"}},
        {"task", [&] { return new TfmTodoDetail(main.get()); }, nullptr,
         {"edtDesc", "edtPriority", "edtDueDate", "cbCompleted", "cbPrivate", "edtCategory",
          "memNotes", "btnClose"}},
        {"earlier runs", [&] { return new TfmEarlierRuns(c(), main.get()); }, nullptr,
         {"lvRuns", "lvRunDetail", "btnClose"}}, // no run to undo yet
        {"preview", [&] { return new TfmPreview(c(), main.get()); }, nullptr,
         {"lvPreview", "btnClose"}},
    };
    for (const auto& w : windows) {
        std::unique_ptr<QDialog> dialog(w.make());
        dialog->show();
        if (w.prepare)
            w.prepare(dialog.get());
        ExpectWalkable(dialog.get(), w.order, w.what);
    }
}

TEST_F(KeyboardWalk, EnterPressesNextUnlessTheFocusedControlUsesIt) {
    EXPECT_TRUE(Get<QPushButton>("btnNext")->isDefault());
    auto* contacts = Get<QRadioButton>("rbtnAddr");
    contacts->setFocus();
    Press(contacts, Qt::Key_Return);
    EXPECT_EQ(c().GetStep(), 1);
    // A button with the focus is pressed itself.
    auto* prev = Get<QPushButton>("btnPrev");
    prev->setFocus();
    Press(prev, Qt::Key_Return);
    EXPECT_EQ(c().GetStep(), 0);
    // A box of several lines takes the line break.
    auto* lines = new QPlainTextEdit(main->Page(WIZARD_PAGE_MODE));
    lines->show();
    lines->setFocus();
    Press(lines, Qt::Key_Return);
    EXPECT_EQ(c().GetStep(), 0);
    EXPECT_EQ(lines->toPlainText(), "\n");
    delete lines;
    // The keypad's Enter is Enter too; with Ctrl it is another key.
    contacts->setFocus();
    Press(contacts, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(c().GetStep(), 1);
    auto* server = Get<QLineEdit>("edtServerName");
    server->setFocus();
    Press(server, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(c().GetStep(), 1);
    // Esc is Cancel: the window closes.
    Press(server, Qt::Key_Escape);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(KeyboardWalk, EnterAcceptsAndEscCancelsADialog) {
    AppSettings& settings = c().GetSettings();
    const struct {
        const char* opener;
        const char* focus; // the dialog's control the key is pressed in
        Qt::Key key;
        int result;
    } cases[] = {
        {"btnOption", "cbEnable", Qt::Key_Escape, QDialog::Rejected},
        {"btnOption", "cbEnable", Qt::Key_Return, QDialog::Accepted},
        {"btnRuns", "lvRuns", Qt::Key_Escape, QDialog::Rejected},
        {"btnRuns", "lvRuns", Qt::Key_Enter, QDialog::Accepted},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.opener) + " " + std::to_string(k.key));
        settings.EnableDebug = false;
        int result = -1;
        prompts.AnswerDialog([&](QDialog& dialog) {
            dialog.show();
            // The options' box is ticked, to be kept or forgotten.
            if (auto* box = dialog.findChild<QCheckBox*>("cbEnable"))
                box->setChecked(true);
            const Qt::KeyboardModifiers keypad =
                k.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            Press(Find<QWidget>(&dialog, k.focus), k.key, keypad);
            EXPECT_FALSE(dialog.isVisible());
            result = dialog.result();
            return result;
        });
        Get<QPushButton>(k.opener)->click();
        EXPECT_EQ(result, k.result);
        if (std::string(k.opener) == "btnOption") {
            EXPECT_EQ(settings.EnableDebug, k.result == QDialog::Accepted);
        }
    }
    // Esc in a dialog closes the dialog alone.
    EXPECT_TRUE(main->isVisible());
}

} // namespace
