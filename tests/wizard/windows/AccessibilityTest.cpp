// What a screen reader and the keyboard meet: the main window as a window
// with the product's title, a name on every control, and boxes that act
// the same whether clicked, toggled by a script or by the accessibility
// interface.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>

#include "TestSupport.h"
#include "WindowsTestSupport.h"
#include "wizard/controller/Apputil.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/FieldDetail.h"
#include "wizard/windows/dialogs/TfmAddrDetail.h"
#include "wizard/windows/dialogs/TfmDateDetail.h"
#include "wizard/windows/dialogs/TfmDebug.h"
#include "wizard/windows/dialogs/TfmEarlierRuns.h"
#include "wizard/windows/dialogs/TfmDump.h"
#include "wizard/windows/dialogs/TfmImportValues.h"
#include "wizard/windows/dialogs/TfmOneField.h"
#include "wizard/windows/dialogs/TfmPreview.h"
#include "wizard/windows/dialogs/TfmTodoDetail.h"
#include "wizard/windows/widgets/ImageLink.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

QString AccessibleName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

bool IsControl(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
           qobject_cast<QTextEdit*>(w) || qobject_cast<CxImageLink*>(w);
}

bool HasLetter(const QString& text) {
    for (QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

// Every control below `root` that a screen reader would read without a word.
// A combo box's own line edit, a spin box's and an edit's clear button are
// named through their owner.
// A popup is a window of its own, shown only while open.
QStringList Unnamed(QWidget* root) {
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        // A list's header speaks its columns; a combo box's popup its entries.
        if (!IsControl(w) || qobject_cast<QHeaderView*>(w) || w->window() != root->window() ||
            qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QLineEdit*>(w->parentWidget()) ||
            qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue;
        if (!HasLetter(AccessibleName(w)))
            unnamed << (w->objectName().isEmpty() ? QString(w->metaObject()->className())
                                                  : w->objectName());
    }
    return unnamed;
}

class Accessibility : public ::testing::Test {
protected:
    template <typename Control> Control* Get(const char* name) const {
        return Find<Control>(main.get(), name);
    }

    testsupport::IsolatedEnv env;
    CxPromptRecorder prompts;
    std::unique_ptr<TfmMain> main = std::make_unique<TfmMain>();
};

TEST_F(Accessibility, TheMainWindowIsAWindowWithTheProductsTitle) {
    main->show();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(main.get());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Window);
    EXPECT_EQ(face->text(QAccessible::Name), "Corvane for Lotus Notes");
    EXPECT_TRUE(main->isWindow());
}

TEST_F(Accessibility, EveryControlOfEveryWindowHasAName) {
    AppSettings settings{};
    CxWizardController& c = main->Controller();
    const std::function<QWidget*()> windows[] = {
        [&] { return main.get(); },
        [&] { return new TfmDebug(settings, main.get()); },
        [&] { return new TfmDump(settings, main.get()); },
        [&] { return new TfmOneField(c, main.get()); },
        [&] { return new TfmImportValues(c, main.get()); },
        [&] { return new TfmAddrDetail(main.get()); },
        [&] { return new TfmDateDetail(main.get()); },
        [&] { return new TfmTodoDetail(main.get()); },
        [&] { return new TfmEarlierRuns(c, main.get()); },
        [&] { return new TfmPreview(c, main.get()); },
    };
    for (const auto& make : windows) {
        QWidget* window = make();
        EXPECT_EQ(Unnamed(window), QStringList()) << window->objectName().toStdString();
        if (window != main.get())
            delete window;
    }
}

// The rules of the access page follow the box's state, however it changed.
TEST_F(Accessibility, TheAccessPageBoxesActOnTheirStateWhateverChangedIt) {
    const struct {
        const char* box;
        const char* governed;
    } cases[] = {
        {"cbAddrLocal", "edtLNAddrPath"},
        {"cbAddrLocal", "btnLNAddrBrowse"},
        {"cbMailDBName", "edtLNDBPath"},
        {"cbLNPassword", "edtLNPassword"},
    };
    Get<QPushButton>("btnNext")->click();
    ASSERT_EQ(main->Controller().GetStep(), 1);
    for (const auto& k : cases) {
        auto* box = Get<QCheckBox>(k.box);
        auto* governed = Get<QWidget>(k.governed);
        box->setChecked(false);
        EXPECT_FALSE(governed->isEnabled()) << k.box << " setChecked(false)";
        box->toggle();
        EXPECT_TRUE(governed->isEnabled()) << k.box << " toggle()";
        // What a screen reader's "toggle" does.
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(face, nullptr);
        ASSERT_NE(face->actionInterface(), nullptr);
        face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_FALSE(box->isChecked()) << k.box;
        EXPECT_FALSE(governed->isEnabled()) << k.box << " accessible toggle";
        box->setChecked(true);
        EXPECT_TRUE(governed->isEnabled()) << k.box << " setChecked(true)";
    }
}

// The field dialog's operations enable their own edits however one is chosen.
TEST_F(Accessibility, TheOperationButtonsActOnTheirStateWhateverChangedIt) {
    CxFieldDetail detail(nullptr);
    const struct {
        QRadioButton* button;
        QWidget* edit;
    } cases[] = {
        {detail.rbtnAppend, detail.edtAppendValue},   {detail.rbtnInsert, detail.edtPosition},
        {detail.rbtnReplace, detail.edtReplaceDest},  {detail.rbtnTemplate, detail.edtTemplate},
        {detail.rbtnSet, detail.edtSetValue},
    };
    for (const auto& k : cases) {
        k.button->setChecked(true);
        EXPECT_TRUE(k.edit->isEnabled()) << k.button->objectName().toStdString();
        for (const auto& other : cases) {
            if (other.edit != k.edit) {
                EXPECT_FALSE(other.edit->isEnabled()) << other.edit->objectName().toStdString();
            }
        }
    }
    detail.rbtnSet->toggle(); // an exclusive group keeps its choice
    EXPECT_TRUE(detail.edtSetValue->isEnabled());
}

} // namespace
