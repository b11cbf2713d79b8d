// The definitions page in the real main window, after a load through the
// real helper hosts: adding, editing and removing definitions, and leaving.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "NotesInstall.h"
#include "WindowsTestSupport.h"
#include "common/misc/CxList.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/TfmOneField.h"
#include "wizard/windows/pages/TfmUpdateField.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

typedef std::function<void(TfmOneField&)> Answer;

void AsOffered(TfmOneField&) {}

class UpdateFieldPage : public ::testing::Test {
protected:
    // Loads a few records of the kind and stands on the definitions page.
    void Load(const char* kindButton, const char* seed, bool mail) {
        const std::string db = notes.DataFile(mail ? "mail/user.nsf" : "names.nsf");
        notes.Notesdb("create '" + db + "'");
        notes.Notesdb("seed '" + db + "' " + seed);
        main = std::make_unique<TfmMain>();
        main->show();
        LoadFromAccessPage(main.get(), kindButton, db, mail);
        ASSERT_EQ(main->Controller().GetStep(), 2) << main->Controller().GetLoadError();
        page = static_cast<TfmUpdateField*>(main->Page(WIZARD_PAGE_UPDATE_FIELD));
        list = Get<QTreeWidget>("lvFields");
    }
    template <typename Control> Control* Get(const char* name) const {
        return Find<Control>(main.get(), name);
    }
    // The next dialogs are looked at and answered by `answer`, then closed
    // with OK (or Cancel when `ok` is false).
    void Answer(const ::Answer& answer, bool ok = true) {
        opened = 0;
        page->SetDialogRunner([this, answer, ok](TfmOneField& dialog) {
            ++opened;
            title = Find<QLabel>(&dialog, "lblTitle")->text();
            offered.clear();
            auto* names = Find<QComboBox>(&dialog, "cbName");
            for (int i = 0; i < names->count(); ++i)
                offered << names->itemText(i);
            startsOn = names->currentText();
            answer(dialog);
            Find<QPushButton>(&dialog, ok ? "btnOK" : "btnCancel")->click();
            return dialog.result();
        });
    }
    void Through(const char* button, const ::Answer& answer, bool ok = true) {
        Answer(answer, ok);
        Get<QPushButton>(button)->click();
    }
    void Cancel(const char* button, const ::Answer& answer) { Through(button, answer, false); }
    void Add(const char* field, const ::Answer& answer = AsOffered) {
        Through("btnAdd", [field, answer](TfmOneField& d) {
            Choose(d, field);
            answer(d);
        });
    }
    static void Choose(TfmOneField& dialog, const char* field) {
        auto* names = Find<QComboBox>(&dialog, "cbName");
        names->setCurrentIndex(names->findText(field));
    }
    QStringList Rows(int column) const {
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(column);
        return rows;
    }
    CxList& Definitions() const { return *main->Controller().GetUpdateDefinitions(); }
    const tagFUFieldUpdate* Definition(uint32_t index) const {
        return static_cast<const tagFUFieldUpdate*>(Definitions().GetAt(index));
    }

    NotesInstall notes;
    CxPromptRecorder prompts;
    std::unique_ptr<TfmMain> main;
    TfmUpdateField* page = nullptr;
    QTreeWidget* list = nullptr;
    int opened = 0;
    QString title;
    QStringList offered;
    QString startsOn;
};

void DoubleClick(QTreeWidget* list, QTreeWidgetItem* row) {
    QWidget* viewport = list->viewport();
    const QPointF at = list->visualItemRect(row).center();
    const QPointF global = viewport->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, global, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

TEST_F(UpdateFieldPage, NextNeedsADefinitionAndEachAddOffersOnlyTheUnusedFields) {
    Load("rbtnAddr", "contacts 3", false);
    EXPECT_EQ(list->headerItem()->text(0), "Field Name");
    EXPECT_EQ(list->headerItem()->text(1), "Update Details");
    EXPECT_FALSE(Get<QPushButton>("btnDel")->isEnabled());
    EXPECT_FALSE(Get<QPushButton>("btnProp")->isEnabled());
    Get<QPushButton>("btnNext")->click();
    EXPECT_EQ(main->Controller().GetStep(), 2);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].caption, "Error");
    EXPECT_EQ(prompts.Records()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(prompts.Records()[0].text, "Please add some field updating information.");

    Through("btnAdd", [](TfmOneField& d) { Find<QLineEdit>(&d, "edtSetValue")->setText("Ann"); });
    EXPECT_EQ(title, "Add field updating definitions:");
    EXPECT_EQ(offered.size(), 46);
    EXPECT_EQ(startsOn, "First Name");
    Add("Job Title");
    EXPECT_EQ(offered.size(), 45);
    EXPECT_FALSE(offered.contains("First Name"));
    EXPECT_EQ(startsOn, "Middle Name / Initial");
    Add("Note");
    EXPECT_EQ(offered.size(), 44);
    EXPECT_FALSE(offered.contains("Job Title"));
    EXPECT_EQ(Rows(0), QStringList({"First Name", "Job Title", "Note"}));
    EXPECT_EQ(Rows(1).at(0), "Set value to \"Ann\"");
    EXPECT_EQ(Definitions().GetCount(), 3u);
    EXPECT_EQ(Definition(2)->nFieldKey, 44);

    // An existing definition may take any field, its own first.
    list->setCurrentItem(list->topLevelItem(1));
    Through("btnProp", AsOffered);
    EXPECT_EQ(title, "View field updating definitions:");
    EXPECT_EQ(offered.size(), 46);
    EXPECT_EQ(startsOn, "Job Title");

    // Filled again, the page shows the same rows with the first selected.
    page->ExchangeData(false);
    EXPECT_EQ(Rows(0), QStringList({"First Name", "Job Title", "Note"}));
    EXPECT_EQ(list->selectedItems(), QList<QTreeWidgetItem*>({list->topLevelItem(0)}));
    EXPECT_TRUE(Get<QPushButton>("btnProp")->isEnabled());

    prompts.Clear();
    Get<QPushButton>("btnNext")->click();
    EXPECT_EQ(main->Controller().GetStep(), 3);
    EXPECT_TRUE(prompts.Records().empty());
    // A new load starts without definitions.
    Get<QPushButton>("btnPrev")->click();
    Get<QPushButton>("btnPrev")->click();
    Get<QPushButton>("btnNext")->click();
    ASSERT_EQ(main->Controller().GetStep(), 2);
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_FALSE(Get<QPushButton>("btnDel")->isEnabled());
}

TEST_F(UpdateFieldPage, PropertiesChangeTheRowAtOnceAndCancelChangesNothing) {
    Load("rbtnAddr", "contacts 3", false);
    Add("Company Name",
        [](TfmOneField& d) { Find<QLineEdit>(&d, "edtSetValue")->setText("Acme"); });
    Add("Business Phone", [](TfmOneField& d) {
        Find<QRadioButton>(&d, "rbtnInsert")->click();
        Find<QLineEdit>(&d, "edtInsertValue")->setText("+1 ");
        Find<QSpinBox>(&d, "edtPosition")->setValue(5);
    });
    EXPECT_EQ(Rows(1), QStringList({"Set value to \"Acme\"", "Insert \"+1 \" at position 5"}));
    EXPECT_EQ(Definition(1)->nPosition, 5);

    // Cancel, in Add and in Properties, whatever was typed.
    Cancel("btnAdd", [](TfmOneField& d) { Find<QLineEdit>(&d, "edtSetValue")->setText("x"); });
    EXPECT_EQ(opened, 1);
    list->setCurrentItem(list->topLevelItem(0));
    Cancel("btnProp", [](TfmOneField& d) {
        Find<QRadioButton>(&d, "rbtnAppend")->click();
        Find<QLineEdit>(&d, "edtAppendValue")->setText(" Ltd");
    });
    EXPECT_EQ(Rows(1), QStringList({"Set value to \"Acme\"", "Insert \"+1 \" at position 5"}));
    EXPECT_EQ(Definitions().GetCount(), 2u);
    EXPECT_EQ(Definition(0)->nOperation, FU_OP_SET);

    // From Set to Append: the row reads the new way as soon as OK closes.
    Through("btnProp", [](TfmOneField& d) {
        Find<QRadioButton>(&d, "rbtnAppend")->click();
        Find<QLineEdit>(&d, "edtAppendValue")->setText(" Ltd");
    });
    EXPECT_EQ(Rows(1).at(0), "Append \" Ltd\" to the field.");
    EXPECT_EQ(Definition(0)->nOperation, FU_OP_APPEND);
    EXPECT_EQ(Definitions().GetCount(), 2u);
}

TEST_F(UpdateFieldPage, ADoubleClickOpensTheRowsProperties) {
    Load("rbtnTask", "tasks 2", true);
    Add("Subject");
    Add("Private");
    Answer(AsOffered, false);
    list->clearSelection();
    DoubleClick(list, list->topLevelItem(1));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(startsOn, "Private");
}

TEST_F(UpdateFieldPage, DeleteRemovesOnlyTheTopmostSelectedRow) {
    Load("rbtnTask", "tasks 2", true);
    for (const char* field : {"Subject", "Body", "Task Type", "Due Date"})
        Add(field);
    ASSERT_EQ(Definitions().GetCount(), 4u);
    const tagFUFieldUpdate* kept[] = {Definition(0), Definition(2), Definition(3)};
    list->clearSelection();
    for (int row : {3, 1, 2})
        list->topLevelItem(row)->setSelected(true);
    Get<QPushButton>("btnDel")->click();
    EXPECT_EQ(Rows(0), QStringList({"Subject", "Task Type", "Due Date"}));
    ASSERT_EQ(Definitions().GetCount(), 3u);
    for (uint32_t i = 0; i < 3; ++i)
        EXPECT_EQ(Definition(i), kept[i]);
    EXPECT_TRUE(prompts.Records().empty());
}

TEST_F(UpdateFieldPage, WhenEveryFieldIsUsedAddOffersNoneAndOKSaysSo) {
    Load("rbtnDate", "appointments 2", true);
    QStringList fields;
    for (int i = 0; i < 6; ++i) {
        Through("btnAdd", AsOffered);
        fields << startsOn;
    }
    EXPECT_EQ(fields, QStringList({"Subject", "Location", "Start Date & Time", "End Date & Time",
                                   "Resources", "Body"}));
    EXPECT_EQ(Rows(0), fields);
    Through("btnAdd", AsOffered);
    EXPECT_TRUE(offered.isEmpty());
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].text, "No field information is selected.");
    EXPECT_EQ(Definitions().GetCount(), 6u);
    EXPECT_EQ(list->topLevelItemCount(), 6);
}

} // namespace
