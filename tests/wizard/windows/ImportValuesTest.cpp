// "Import Values..." in the real main window after a load through the real
// helper hosts: the file chosen through the prompt seam, its columns matched
// to fields by name and changed, the key, the counts, the errors with their
// lines and columns, the definitions it makes, the selection it ticks, and
// the run that writes its values.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "NotesInstall.h"
#include "WindowsTestSupport.h"
#include "common/misc/CxList.h"
#include "common/pim/CommRecords.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/TfmImportValues.h"
#include "wizard/windows/pages/RecordListModel.h"
#include "wizard/windows/pages/RecordPage.h"
#include "wizard/windows/pages/TfmUpdateField.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

typedef std::function<void(TfmImportValues&)> Answer;

const char kGood[] = "Business Email,Job Title,Shoe Size,Business Phone\r\n"
                     "lukas.ivanova0@work.example.com,Head of Ops,44,+1 555 0100\r\n"
                     " TILDA.HANSEN1@work.example.com ,Lead,,\r\n"
                     "nobody@example.com,Nobody,40,\r\n";

class ImportValues : public ::testing::Test {
protected:
    void SetUp() override {
        notes.Notesdb("create '" + db + "'");
        notes.Notesdb("seed '" + db + "' contacts 6");
        main = std::make_unique<TfmMain>();
        main->show();
        LoadFromAccessPage(main.get(), "rbtnAddr", db, false);
        ASSERT_EQ(main->Controller().GetStep(), 2) << main->Controller().GetLoadError();
        page = static_cast<TfmUpdateField*>(main->Page(WIZARD_PAGE_UPDATE_FIELD));
    }
    // The dialog opened by Import Values..., `bytes` chosen as its file
    // through the file dialog, looked at by `answer`; OK or Cancel then.
    int Import(const std::string& bytes, const Answer& answer, bool ok = true) {
        testsupport::WriteFile(file, bytes);
        int result = -1;
        page->SetImportRunner([&](TfmImportValues& dialog) {
            prompts.AnswerFile(QString::fromStdString(file));
            Find<QPushButton>(&dialog, "btnBrowse")->click();
            answer(dialog);
            Find<QPushButton>(&dialog, ok ? "btnOK" : "btnCancel")->click();
            result = dialog.result();
            return result;
        });
        Find<QPushButton>(main.get(), "btnImport")->click();
        return result;
    }
    QStringList Rows(int column) const {
        auto* list = Find<QTreeWidget>(main.get(), "lvFields");
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(column);
        return rows;
    }
    // The last names of the ticked rows of the selection page.
    QStringList Ticked() const {
        CxRecordListModel* model =
            static_cast<CxRecordPage*>(main->Page(WIZARD_PAGE_ADDR_DATA))->Model();
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->IsTicked(row))
                names << static_cast<const tagCommAddrRec*>(model->Record(row))->szLastName;
        return names;
    }
    static QString Text(TfmImportValues& d, const char* name) {
        return Find<QLabel>(&d, name)->text();
    }
    static QString Errors(TfmImportValues& d) {
        return Find<QPlainTextEdit>(&d, "memErrors")->toPlainText();
    }

    NotesInstall notes;
    const std::string db = notes.DataFile("names.nsf");
    const std::string file = notes.DataFile("v.csv");
    CxPromptRecorder prompts;
    std::unique_ptr<TfmMain> main;
    TfmUpdateField* page = nullptr;
};

TEST_F(ImportValues, MatchesColumnsByNameAndDefinesTheirFields) {
    const int result = Import(kGood, [](TfmImportValues& d) {
        EXPECT_EQ(d.edtFile->text().toStdString().substr(d.edtFile->text().size() - 5), "v.csv");
        EXPECT_EQ(d.ColumnField(0)->currentText(), "Business Email");
        EXPECT_EQ(d.ColumnField(1)->currentText(), "Job Title");
        EXPECT_EQ(d.ColumnField(2)->currentText(), "(left out)");
        EXPECT_EQ(d.ColumnField(3)->currentText(), "Business Phone");
        EXPECT_EQ(Find<QLabel>(&d, "lblColumn3")->text(), "3: Shoe Size");
        EXPECT_EQ(d.cbKey->currentText(), "Business Email (column 1)");
        EXPECT_EQ(Text(d, "lblMatch"), "2 of 3 rows match 2 loaded records; 1 row matches none.");
        ASSERT_EQ(d.lvUnmatched->count(), 1);
        EXPECT_EQ(d.lvUnmatched->item(0)->text(), "line 4: nobody@example.com");
        EXPECT_EQ(Errors(d), "");
        EXPECT_TRUE(d.btnOK->isEnabled());
        // Each column can be changed or left out.
        d.ColumnField(3)->setCurrentIndex(d.ColumnField(3)->findText("(left out)"));
        d.ColumnField(2)->setCurrentIndex(d.ColumnField(2)->findText("Department"));
        EXPECT_TRUE(d.btnOK->isEnabled());
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].kind, tagPromptRecord::OpenFile);
    EXPECT_EQ(prompts.Records()[0].filter, "Values files (CSV) (*.csv)");
    EXPECT_EQ(Rows(0), QStringList({"Job Title", "Department"}));
    EXPECT_EQ(Rows(1), QStringList({"Set from column \"Job Title\" of \"v.csv\"",
                                    "Set from column \"Shoe Size\" of \"v.csv\""}));

    // Properties of such a row says where its values come from.
    Find<QTreeWidget>(main.get(), "lvFields")->setCurrentItem(
        Find<QTreeWidget>(main.get(), "lvFields")->topLevelItem(0));
    Find<QPushButton>(main.get(), "btnProp")->click();
    ASSERT_EQ(prompts.Records().size(), 2u);
    EXPECT_EQ(prompts.Records()[1].kind, tagPromptRecord::MessageBox);
    EXPECT_EQ(prompts.Records()[1].text, "This field takes its values from the imported file; "
                                         "choose Import Values... to change them.");

    // The selection page ticks the matched records, and only them.
    Find<QPushButton>(main.get(), "btnNext")->click();
    ASSERT_EQ(main->Controller().GetStep(), 3);
    EXPECT_EQ(Ticked(), QStringList({"Ivanova", "Hansen"}));

    Find<QPushButton>(main.get(), "btnNext")->click();
    for (int i = 0; i < 300 && main->Controller().GetStep() != 5; ++i)
        RunEventsFor(20);
    ASSERT_EQ(main->Controller().GetStep(), 5);
    EXPECT_EQ(Find<QLabel>(main.get(), "lblResult")->text(), "Records updating successfully.");
    const std::string after = notes.Dump("names.nsf");
    EXPECT_NE(after.find("JobTitle: Head of Ops\n"), std::string::npos);
    EXPECT_NE(after.find("JobTitle: Lead\n"), std::string::npos);
    EXPECT_NE(after.find("Department: 44\n"), std::string::npos);
    EXPECT_EQ(after.find("JobTitle: Nobody"), std::string::npos);
    EXPECT_EQ(after.find("+1 555 0100"), std::string::npos); // left out
}

TEST_F(ImportValues, AFileWithErrorsDefinesNothingUntilItIsSound) {
    const std::string bytes = "Business Email,Birth Date,Job Title\r\n"
                              "lukas.ivanova0@work.example.com,1980-02-30,A\r\n"
                              "tilda.hansen1@work.example.com,,\"B\r\n";
    const int cancelled = Import(bytes, [](TfmImportValues& d) {
        EXPECT_EQ(Errors(d), "v.csv, line 3, column 3: the quote that begins this cell is not "
                             "closed.");
        EXPECT_EQ(Text(d, "lblMatch"), "The file cannot be used.");
        EXPECT_EQ(d.ColumnField(0), nullptr);
        EXPECT_FALSE(d.btnOK->isEnabled());
    }, false);
    EXPECT_EQ(cancelled, QDialog::Rejected);
    EXPECT_TRUE(Rows(0).isEmpty());

    const std::string unsound = "Business Email,Birth Date,Job Title\r\n"
                                "lukas.ivanova0@work.example.com,1980-02-30,A\r\n"
                                "lukas.IVANOVA0@work.example.com,,B\r\n";
    const int result = Import(unsound, [](TfmImportValues& d) {
        EXPECT_EQ(Errors(d),
                  "v.csv, line 2, column 2: \"Birth Date\": \"1980-02-30\" is no date; write it "
                  "as YYYY-MM-DD.\nv.csv, line 3, column 1: the key "
                  "\"lukas.IVANOVA0@work.example.com\" is on line 2 already.");
        EXPECT_FALSE(d.btnOK->isEnabled());
        // Leaving the date out and taking the title as the key makes it sound.
        d.ColumnField(1)->setCurrentIndex(0);
        d.cbKey->setCurrentIndex(d.cbKey->findText("Job Title (column 3)"));
        EXPECT_EQ(Errors(d), "");
        EXPECT_EQ(Text(d, "lblMatch"), "0 of 2 rows match 0 loaded records; 2 rows match none.");
        EXPECT_TRUE(d.btnOK->isEnabled());
        // The same field twice is refused again.
        d.ColumnField(1)->setCurrentIndex(d.ColumnField(1)->findText("Job Title"));
        EXPECT_EQ(Errors(d), "v.csv, line 1, column 3: column 2 names \"Job Title\" already.");
        EXPECT_FALSE(d.btnOK->isEnabled());
    }, false);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(Rows(0).isEmpty());
}

TEST_F(ImportValues, ANewFileReplacesTheDefinitionsOfTheOneBefore) {
    ASSERT_EQ(Import(kGood, [](TfmImportValues&) {}), QDialog::Accepted);
    EXPECT_EQ(Rows(0), QStringList({"Job Title", "Business Phone"}));
    const std::string other = "Business Email,Department\r\nnoah.okafor2@work.example.com,R&D\r\n";
    ASSERT_EQ(Import(other, [](TfmImportValues&) {}), QDialog::Accepted);
    EXPECT_EQ(Rows(0), QStringList({"Department"}));
    Find<QPushButton>(main.get(), "btnNext")->click();
    EXPECT_EQ(Ticked(), QStringList({"Okafor"}));
}

TEST_F(ImportValues, AKeyOfSeveralRecordsTicksThemAll) {
    ASSERT_EQ(Import("Job Title,Department\r\nDirector,Board\r\n", [](TfmImportValues& d) {
                  EXPECT_EQ(d.cbKey->currentText(), "Job Title (column 1)");
                  EXPECT_EQ(Text(d, "lblMatch"),
                            "1 of 1 rows match 2 loaded records; 0 rows match none. 1 key matches "
                            "several records; each of those records is updated.");
              }),
              QDialog::Accepted);
    Find<QPushButton>(main.get(), "btnNext")->click();
    EXPECT_EQ(Ticked(), QStringList({"Ivanova", "Garcia"}));
}

} // namespace
