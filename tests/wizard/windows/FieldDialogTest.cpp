// The field property dialog on its own: what each field type loads and
// stores, every refusal with its message and focus, and the edit states.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>

#include "WindowsTestSupport.h"
#include "common/misc/CxString.h"
#include "wizard/controller/WizardController.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/windows/dialogs/TfmOneField.h"
#include "wizard/windows/widgets/Prompts.h"
#include "wizard/windows/widgets/VariantDate.h"

namespace {

typedef std::function<void(TfmOneField&)> Step;

class FieldDialog : public ::testing::Test {
protected:
    // The dialog of the kind's catalogue on `definition`, filled and shown.
    TfmOneField& Open(int kind, tagFUFieldUpdate* definition) {
        controller.GetSettings().AppFlag = kind;
        dialog = std::make_unique<TfmOneField>(controller, nullptr);
        dialog->SetDefinition(definition);
        EXPECT_TRUE(dialog->ExchangeData(false));
        dialog->show();
        return *dialog;
    }
    template <typename Control> Control* Get(const char* name) const {
        return Find<Control>(dialog.get(), name);
    }
    void Choose(const char* field) {
        auto* names = Get<QComboBox>("cbName");
        const int index = names->findText(field);
        ASSERT_GE(index, 0) << field;
        names->setCurrentIndex(index);
    }
    // The tab of the chosen field's type, the only one to be seen.
    QString VisibleTab() const {
        auto* tabs = Get<QTabWidget>("pDetail");
        QString shown;
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->isTabVisible(i))
                shown += tabs->widget(i)->objectName();
        return shown;
    }
    tagFUFieldUpdate New() const {
        tagFUFieldUpdate definition;
        CxWizardController::InitDefinition(&definition);
        return definition;
    }

    CxPromptRecorder prompts;
    CxWizardController controller;
    std::unique_ptr<TfmOneField> dialog;
};

void ExpectSame(const tagFUFieldUpdate& a, const tagFUFieldUpdate& b) {
    EXPECT_EQ(a.nFieldKey, b.nFieldKey);
    EXPECT_EQ(a.nOperation, b.nOperation);
    EXPECT_STREQ(a.szFind, b.szFind);
    EXPECT_STREQ(a.szValue, b.szValue);
    EXPECT_EQ(a.nPosition, b.nPosition);
    EXPECT_EQ(a.nDateSet, b.nDateSet);
    EXPECT_DOUBLE_EQ(a.dtValue, b.dtValue);
    EXPECT_EQ(a.bValue, b.bValue);
    EXPECT_EQ(a.nValue, b.nValue);
}

double Today() {
    double today = 0;
    DateToVariant(QDate::currentDate(), QTime(), &today);
    return today;
}

TEST_F(FieldDialog, ANewDefinitionStartsOnTheFirstFieldAndSaysSoInItsLabels) {
    tagFUFieldUpdate definition = New();
    controller.GetSettings().AppFlag = LN_KIND_ADDR;
    dialog = std::make_unique<TfmOneField>(controller, nullptr);
    EXPECT_EQ(Get<QLabel>("lblTitle")->text(),
              "Please specify the details of the field to be updating.");
    EXPECT_EQ(Get<QLabel>("lblDesc")->text(), "<Empty>");
    EXPECT_FALSE(dialog->ExchangeData(false)); // no definition yet
    dialog->SetDefinition(&definition);
    dialog->ExchangeData(false);
    dialog->SetTitle("Add field updating definitions:");
    EXPECT_EQ(dialog->windowTitle(), "Field Property");
    EXPECT_EQ(Get<QLabel>("lblTitle")->text(), "Add field updating definitions:");
    EXPECT_EQ(Get<QComboBox>("cbName")->count(), 46);
    EXPECT_EQ(Get<QComboBox>("cbName")->currentText(), "First Name");
    EXPECT_EQ(Get<QLabel>("lblDesc")->text(), "First Name");
    EXPECT_EQ(Get<QLineEdit>("edtType")->text(), "String");
    EXPECT_TRUE(Get<QLineEdit>("edtType")->isReadOnly());
    EXPECT_EQ(VisibleTab(), "tString");
    EXPECT_TRUE(Get<QRadioButton>("rbtnSet")->isChecked());
    EXPECT_EQ(Get<QTabWidget>("pDetail")->tabText(0), "Updating Details");
}

struct Refusal {
    const char* name;
    int kind;
    int key; // of the field
    const char* field;
    Step fill;
    const char* text;
    const char* focus;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

class FieldDialogRefusals : public FieldDialog, public ::testing::WithParamInterface<Refusal> {};

TEST_P(FieldDialogRefusals, KeepTheDialogOpenAndTheDefinitionAsItWas) {
    const Refusal& r = GetParam();
    // An existing definition, so a refusal visibly leaves it alone.
    tagFUFieldUpdate definition = New();
    definition.nFieldKey = r.key;
    definition.nValue = 7;
    CxStrCopy(definition.szValue, "old");
    Open(r.kind, &definition);
    EXPECT_EQ(Get<QComboBox>("cbName")->currentText(), r.field);
    r.fill(*dialog);
    const tagFUFieldUpdate before = definition;
    Get<QPushButton>("btnOK")->click();

    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].caption, "Error");
    EXPECT_EQ(prompts.Records()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(prompts.Records()[0].text, r.text);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->focusWidget(), Get<QWidget>(r.focus));
    ExpectSame(definition, before);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCheck, FieldDialogRefusals,
    ::testing::Values(
        Refusal{"Append", LN_KIND_ADDR, 8, "Job Title",
                [](TfmOneField& d) { Find<QRadioButton>(&d, "rbtnAppend")->click(); },
                "The append string value can not be empty. Please enter some content.",
                "edtAppendValue"},
        Refusal{"Insert", LN_KIND_ADDR, 8, "Job Title",
                [](TfmOneField& d) {
                    Find<QRadioButton>(&d, "rbtnInsert")->click();
                    Find<QSpinBox>(&d, "edtPosition")->setValue(3);
                },
                "The insert string value can not be empty. Please enter some content.",
                "edtInsertValue"},
        Refusal{"Replace", LN_KIND_DATE, 1, "Location",
                [](TfmOneField& d) {
                    Find<QRadioButton>(&d, "rbtnReplace")->click();
                    Find<QLineEdit>(&d, "edtReplaceDest")->setText("Room 2");
                },
                "The replace find value can not be empty. Please enter some content.",
                "edtReplaceSource"},
        Refusal{"EmptyTemplate", LN_KIND_ADDR, 5, "Display Name",
                [](TfmOneField& d) { Find<QRadioButton>(&d, "rbtnTemplate")->click(); },
                "The template can not be empty. Please enter some content.", "edtTemplate"},
        Refusal{"TemplateField", LN_KIND_ADDR, 5, "Display Name",
                [](TfmOneField& d) {
                    Find<QRadioButton>(&d, "rbtnTemplate")->click();
                    Find<QLineEdit>(&d, "edtTemplate")->setText("{First Name} {Surname}");
                },
                "Unknown field \"Surname\" in the template.", "edtTemplate"},
        // Its list is empty; 0 would be written as the highest importance.
        Refusal{"Importance", LN_KIND_TASK, 4, "Importance", [](TfmOneField&) {},
                "No enumeration value is selected.", "cbEnumValue"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return info.param.name; });

TEST_F(FieldDialog, NoOfferedFieldIsRefusedWithoutTouchingTheDefinition) {
    tagFUFieldUpdate definition = New();
    Open(LN_KIND_TASK, &definition);
    Get<QComboBox>("cbName")->setCurrentIndex(-1);
    EXPECT_FALSE(dialog->ExchangeData(true));
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].text, "No field information is selected.");
    EXPECT_EQ(definition.nFieldKey, -1);
}

TEST_F(FieldDialog, BlanksAndAnEmptySetOrReplacementPass) {
    const struct {
        Step fill;
        int operation;
        const char* find;
        const char* value;
    } cases[] = {
        {[](TfmOneField&) {}, FU_OP_SET, "", ""},
        {[](TfmOneField& d) {
             Find<QRadioButton>(&d, "rbtnAppend")->click();
             Find<QLineEdit>(&d, "edtAppendValue")->setText("  ");
         },
         FU_OP_APPEND, "", "  "},
        {[](TfmOneField& d) {
             Find<QRadioButton>(&d, "rbtnReplace")->click();
             Find<QLineEdit>(&d, "edtReplaceSource")->setText("Mgr");
         },
         FU_OP_REPLACE, "Mgr", ""},
    };
    for (const auto& c : cases) {
        tagFUFieldUpdate definition = New();
        Open(LN_KIND_ADDR, &definition);
        c.fill(*dialog);
        Get<QPushButton>("btnOK")->click();
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << c.operation;
        EXPECT_EQ(definition.nFieldKey, 1);
        EXPECT_EQ(definition.nOperation, c.operation);
        EXPECT_STREQ(definition.szFind, c.find);
        EXPECT_STREQ(definition.szValue, c.value);
    }
    EXPECT_TRUE(prompts.Records().empty());
}

// What a definition holds comes back unchanged through the dialog.
TEST_F(FieldDialog, EveryKindOfDefinitionLoadsAndSavesUnchanged) {
    const struct {
        int kind;
        int key;
        int operation;
        const char* find;
        const char* value;
        int position;
        double date;
        uint8_t flag;
        const char* tab;
        const char* checked;
    } cases[] = {
        {LN_KIND_ADDR, 8, FU_OP_SET, "", "Manager", 0, 0, 0, "tString", "rbtnSet"},
        {LN_KIND_ADDR, 44, FU_OP_APPEND, "", " (checked)", 0, 0, 0, "tString", "rbtnAppend"},
        {LN_KIND_ADDR, 33, FU_OP_INSERT, "", "+1 ", 5, 0, 0, "tString", "rbtnInsert"},
        {LN_KIND_DATE, 1, FU_OP_REPLACE, "Room 1", "Room 2", 0, 0, 0, "tString", "rbtnReplace"},
        {LN_KIND_ADDR, 5, FU_OP_TEMPLATE, "", "{First Name} {{x}}", 0, 0, 0, "tString",
         "rbtnTemplate"},
        {LN_KIND_TASK, 5, FU_OP_NONE, "", "", 0, 0, 1, "tBool", nullptr},
        {LN_KIND_TASK, 5, FU_OP_NONE, "", "", 0, 0, 0, "tBool", nullptr},
        {LN_KIND_ADDR, 46, FU_OP_NONE, "", "", 0, 45658, 0, "tDateTime", nullptr},
        // Before 30 December 1899 a chosen date is still the definition's own.
        {LN_KIND_ADDR, 46, FU_OP_NONE, "", "", 0, -18262, 0, "tDateTime", nullptr},
        {LN_KIND_DATE, 9, FU_OP_NONE, "", "", 0, 45658.75, 0, "tDateTime", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.key));
        tagFUFieldUpdate definition = New();
        definition.nFieldKey = c.key;
        definition.nOperation = c.operation;
        CxStrCopy(definition.szFind, c.find);
        CxStrCopy(definition.szValue, c.value);
        definition.nPosition = c.position;
        definition.nDateSet = c.date != 0;
        definition.dtValue = c.date;
        definition.bValue = c.flag;
        const tagFUFieldUpdate before = definition;
        Open(c.kind, &definition);
        EXPECT_EQ(Get<QComboBox>("cbName")->count(), controller.GetUpdateFieldCount());
        EXPECT_EQ(VisibleTab(), c.tab);
        if (c.checked) {
            EXPECT_TRUE(Get<QRadioButton>(c.checked)->isChecked());
        }
        Get<QPushButton>("btnOK")->click();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        ExpectSame(definition, before);
    }
    EXPECT_TRUE(prompts.Records().empty());
}

TEST_F(FieldDialog, NewValuesStartFalseAndOnTodayAtMidnight) {
    tagFUFieldUpdate flag = New();
    Open(LN_KIND_TASK, &flag);
    Choose("Private");
    EXPECT_EQ(VisibleTab(), "tBool");
    EXPECT_EQ(Get<QComboBox>("cbBoolValue")->count(), 2);
    EXPECT_EQ(Get<QComboBox>("cbBoolValue")->itemText(0), "True(Yes)");
    EXPECT_EQ(Get<QComboBox>("cbBoolValue")->currentText(), "False(No)");
    Get<QComboBox>("cbBoolValue")->setCurrentIndex(0);
    Get<QPushButton>("btnOK")->click();
    EXPECT_EQ(flag.bValue, 1);

    // A Date carries the bare day, whatever the box keeps besides.
    tagFUFieldUpdate date = New();
    Open(LN_KIND_TASK, &date);
    Choose("Due Date");
    EXPECT_EQ(Get<QDateEdit>("pDate")->date(), QDate::currentDate());
    EXPECT_FALSE(Get<QTimeEdit>("pTime")->isVisible());
    Get<QTimeEdit>("pTime")->setTime(QTime(15, 30));
    Get<QPushButton>("btnOK")->click();
    EXPECT_EQ(date.nDateSet, 1);
    EXPECT_EQ(date.dtValue, Today());
    EXPECT_EQ(date.dtValue, std::floor(date.dtValue));

    tagFUFieldUpdate moment = New();
    Open(LN_KIND_DATE, &moment);
    Choose("Start Date & Time");
    EXPECT_EQ(Get<QDateEdit>("pDate")->date(), QDate::currentDate());
    EXPECT_TRUE(Get<QTimeEdit>("pTime")->isVisible());
    EXPECT_EQ(Get<QTimeEdit>("pTime")->time(), QTime(0, 0));
    Get<QTimeEdit>("pTime")->setTime(QTime(6, 0));
    Get<QPushButton>("btnOK")->click();
    EXPECT_DOUBLE_EQ(moment.dtValue, Today() + 0.25);
}

TEST_F(FieldDialog, EachOperationEnablesOnlyItsOwnEditsTheOthersTurnGrey) {
    tagFUFieldUpdate definition = New();
    Open(LN_KIND_ADDR, &definition);
    const struct {
        const char* radio;
        std::vector<const char*> edits;
    } operations[] = {
        {"rbtnAppend", {"edtAppendValue"}},
        {"rbtnInsert", {"edtInsertValue", "edtPosition"}},
        {"rbtnReplace", {"edtReplaceSource", "edtReplaceDest"}},
        {"rbtnTemplate", {"edtTemplate"}},
        {"rbtnSet", {"edtSetValue"}},
    };
    const char* all[] = {"edtSetValue",      "edtAppendValue", "edtInsertValue", "edtPosition",
                         "edtReplaceSource", "edtReplaceDest", "edtTemplate"};
    for (const auto& op : operations) {
        Get<QRadioButton>(op.radio)->click();
        for (const char* name : all) {
            const bool own = std::find_if(op.edits.begin(), op.edits.end(), [name](const char* e) {
                                 return QString(e) == name;
                             }) != op.edits.end();
            auto* edit = Get<QWidget>(name);
            EXPECT_EQ(edit->isEnabled(), own) << op.radio << " " << name;
            // Inside the frame, away from the text.
            const QColor ground = edit->grab().toImage().pixelColor(edit->width() - 24, 3);
            EXPECT_EQ(ground == QColor(Qt::white), own) << op.radio << " " << name;
        }
        const bool fromFields = QString(op.radio) == "rbtnTemplate";
        EXPECT_EQ(Get<QWidget>("cbTemplateField")->isEnabled(), fromFields) << op.radio;
        EXPECT_EQ(Get<QWidget>("btnInsertField")->isEnabled(), fromFields) << op.radio;
    }
}

TEST_F(FieldDialog, InsertFieldPutsTheChosenFieldIntoTheTemplate) {
    tagFUFieldUpdate definition = New();
    Open(LN_KIND_ADDR, &definition);
    Choose("Display Name");
    Get<QRadioButton>("rbtnTemplate")->click();
    auto* fields = Get<QComboBox>("cbTemplateField");
    EXPECT_EQ(fields->count(), 46);
    auto* edit = Get<QLineEdit>("edtTemplate");
    edit->setText(" - ");
    edit->setCursorPosition(0);
    fields->setCurrentIndex(fields->findText("Company Name"));
    Get<QPushButton>("btnInsertField")->click();
    edit->end(false);
    fields->setCurrentIndex(fields->findText("Job Title"));
    Get<QPushButton>("btnInsertField")->click();
    EXPECT_EQ(edit->text(), "{Company Name} - {Job Title}");
    EXPECT_EQ(dialog->focusWidget(), edit);
    Get<QPushButton>("btnOK")->click();
    EXPECT_EQ(definition.nFieldKey, 5);
    EXPECT_EQ(definition.nOperation, FU_OP_TEMPLATE);
    EXPECT_STREQ(definition.szValue, "{Company Name} - {Job Title}");
}

TEST_F(FieldDialog, TabOrderFollowsTheControlsAsListed) {
    tagFUFieldUpdate definition = New();
    Open(LN_KIND_ADDR, &definition);
    const QStringList order = {
        "cbName",         "edtType",     "pDetail",        "rbtnSet",
        "edtSetValue",    "rbtnAppend",  "edtAppendValue", "rbtnInsert",
        "edtInsertValue", "edtPosition", "rbtnReplace",    "edtReplaceSource",
        "edtReplaceDest", "rbtnTemplate", "edtTemplate",   "cbTemplateField",
        "btnInsertField", "edtIntValue", "cbBoolValue",    "cbEnumValue",
        "pDate",          "pTime",       "btnOK",          "btnCancel"};
    QStringList chain;
    QWidget* first = Get<QWidget>("cbName");
    QWidget* w = first;
    do {
        if (order.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    EXPECT_EQ(chain, order);
}

} // namespace
