// The progress and finish pages on a real load of contacts: the bar's
// steps, the write-back through the helper, and what the finish page says.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "NotesInstall.h"
#include "Preloaded.h"
#include "TestSupport.h"
#include "WindowsTestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "common/pim/CommRecords.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/TfmEarlierRuns.h"
#include "wizard/windows/dialogs/TfmPreview.h"
#include "wizard/windows/pages/RecordListModel.h"
#include "wizard/windows/pages/RecordPage.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

const int kJobTitle = 8;

class ProgressFinish : public ::testing::Test {
protected:
    void SetUp() override {
        notes.Notesdb("create '" + db + "'");
        notes.Notesdb("seed '" + db + "' contacts 7");
        main = std::make_unique<TfmMain>();
        main->show();
        c().SetPause([this](int ms) { pauses.push_back(ms); });
        LoadFromAccessPage(main.get(), "rbtnAddr", db, false);
        ASSERT_EQ(c().GetStep(), 2) << c().GetLoadError();
        pauses.clear();
    }
    CxWizardController& c() { return main->Controller(); }
    template <typename Control> Control* Get(const char* name) const {
        return Find<Control>(main.get(), name);
    }
    void AppendJobTitle(const char* text) {
        tagFUFieldUpdate* def = CxWizardController::NewDefinition();
        def->nFieldKey = kJobTitle;
        def->nOperation = FU_OP_APPEND;
        CxStrCopy(def->szValue, text);
        c().GetUpdateDefinitions()->Add(def);
    }
    // From the definitions page to the selection page, leaving the first
    // `n` contacts ticked.
    void Select(int n) {
        Get<QPushButton>("btnNext")->click();
        ASSERT_EQ(c().GetStep(), 3);
        CxRecordListModel* model = static_cast<CxRecordPage*>(main->Page(WIZARD_PAGE_ADDR_DATA))->Model();
        model->SetAllTicked(false);
        for (int row = 0; row < n; ++row)
            model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    }
    // From the selection page through the progress page; the bar's values.
    std::vector<int> Run() {
        std::vector<int> bar;
        const QMetaObject::Connection watch =
            QObject::connect(Get<QProgressBar>("pbMain"), &QProgressBar::valueChanged,
                             [&bar](int v) { bar.push_back(v); });
        pauses.clear();
        Get<QPushButton>("btnNext")->click();
        EXPECT_EQ(c().GetStep(), 4);
        for (int i = 0; i < 300 && c().GetStep() != 5; ++i)
            RunEventsFor(20);
        EXPECT_EQ(c().GetStep(), 5);
        QObject::disconnect(watch);
        return bar;
    }
    QString Text(const char* label) const { return Get<QLabel>(label)->text(); }
    // An undo asked for twice: No leaves the contacts `changed`, Yes puts
    // them back as they were `before`.
    void AnswerNoThenYes(QPushButton* undo, const std::string& changed, const std::string& before) {
        prompts.AnswerMessage(QMessageBox::No);
        undo->click();
        EXPECT_EQ(notes.Dump("names.nsf"), changed);
        prompts.AnswerMessage(QMessageBox::Yes);
        undo->click();
        EXPECT_EQ(notes.Dump("names.nsf"), before);
    }

    NotesInstall notes;
    const std::string db = notes.DataFile("names.nsf");
    CxPromptRecorder prompts;
    std::unique_ptr<TfmMain> main;
    std::vector<int> pauses;
};

TEST_F(ProgressFinish, TheBarStepsThroughTheRecordsAndTheFinishPageCountsThem) {
    const struct {
        int records;
        std::vector<int> bar;
        int pause; // RecordPauseMs
    } cases[] = {{3, {33, 66, 100}, 100}, {7, {14, 28, 42, 57, 71, 85, 100}, 0}};
    for (const auto& k : cases) {
        if (c().GetStep() != 2) { // the second round starts from a new load
            Get<QPushButton>("btnAnother")->click();
            Get<QPushButton>("btnNext")->click();
            Get<QPushButton>("btnNext")->click();
            ASSERT_EQ(c().GetStep(), 2);
        }
        AppendJobTitle(" (checked)");
        Select(k.records);
        c().GetSettings().RecordPauseMs = k.pause;
        std::vector<int> bar = Run();
        std::vector<int> steps(bar.begin(), bar.end());
        // The write-back's own bar starts at 0 and, read often enough, ends
        // where the records' bar ended.
        steps.erase(std::remove(steps.begin(), steps.end(), 0), steps.end());
        steps.erase(std::unique(steps.begin(), steps.end()), steps.end());
        EXPECT_EQ(steps, k.bar) << k.records;
        EXPECT_EQ(Get<QProgressBar>("pbMain")->value(), 100);
        std::vector<int> expectedPauses(k.records, k.pause);
        expectedPauses.push_back(200);
        EXPECT_EQ(pauses, expectedPauses);
        pauses.clear();
        EXPECT_EQ(Text("lblApp"), "Lotus Notes Contacts");
        EXPECT_EQ(Text("lblFields"), "1 fields in total");
        EXPECT_EQ(Text("lblRec"), QString("%1 records in total").arg(k.records));
        EXPECT_EQ(Text("lblResult"), "Records updating successfully.");
        EXPECT_EQ(Get<QPushButton>("btnClose")->text(), "&Finish");
        EXPECT_FALSE(Get<QPushButton>("btnPrev")->isEnabled());
        EXPECT_FALSE(Get<QPushButton>("btnNext")->isEnabled());
        EXPECT_EQ(Get<QLabel>("lblStatus")->text(), "Update finishing ... ");
        // What the helper said last, under the bar.
        EXPECT_EQ(Text("lblHelper"),
                  QString("Writing the changes back to Lotus Notes: %1 of %1 documents stored so far.")
                      .arg(k.records));
    }
    const std::string dump = notes.Dump("names.nsf");
    size_t checked = 0;
    for (size_t at = dump.find("(checked)"); at != std::string::npos; at = dump.find("(checked)", at + 1))
        ++checked;
    EXPECT_EQ(checked, 10u); // the first three contacts were in both runs
    EXPECT_NE(dump.find("(checked) (checked)"), std::string::npos);
}

TEST_F(ProgressFinish, AWriteBackThatNotesRefusesIsNotCalledASuccess) {
    notes.Notesdb("acl '" + db + "' -Default- reader");
    const std::string before = notes.Dump("names.nsf");
    AppendJobTitle(" (checked)");
    Select(2);
    Run();
    EXPECT_NE(Text("lblResult"), "Records updating successfully.");
    EXPECT_FALSE(Text("lblResult").isEmpty());
    EXPECT_EQ(notes.Dump("names.nsf"), before);
}

TEST_F(ProgressFinish, RecordsWithoutANotesRecordWriteNothingBack) {
    tagCommAddrRec loose{};
    AppendJobTitle(" (checked)");
    Select(1);
    const std::string before = notes.Dump("names.nsf");
    QObject::connect(Get<QPushButton>("btnNext"), &QPushButton::clicked, [this, &loose] {
        // Before the first tick: the selection holds a record without a Notes record.
        c().GetSelectedRecords()->RemoveAll(false);
        c().GetSelectedRecords()->Add(&loose);
    });
    Run();
    EXPECT_FALSE(c().GetUpdateResult()->bSubmitted);
    EXPECT_EQ(Text("lblResult"), "Records updating successfully.");
    EXPECT_EQ(Text("lblRec"), "1 records in total");
    EXPECT_EQ(notes.Dump("names.nsf"), before);
}

TEST_F(ProgressFinish, LeavingBeforeTheTickRunsNothing) {
    AppendJobTitle(" (checked)");
    Select(2);
    const std::string before = notes.Dump("names.nsf");
    Get<QPushButton>("btnNext")->click();
    ASSERT_EQ(c().GetStep(), 4);
    Get<QPushButton>("btnNext")->click(); // no finish page for an update that never ran
    EXPECT_EQ(c().GetStep(), 4);
    Get<QPushButton>("btnPrev")->click();
    RunEventsFor(700);
    EXPECT_EQ(c().GetStep(), 3);
    EXPECT_EQ(c().GetUpdateResult(), nullptr);
    EXPECT_EQ(notes.Dump("names.nsf"), before);
}

TEST_F(ProgressFinish, TheFinishButtonsOpenNotesOrStartAgain) {
    AppendJobTitle("!");
    Select(1);
    Run();
    CxStrCopy(c().GetSettings().NotesPath, "");
    Get<QPushButton>("btnLN")->click();
    CxStrCopy(c().GetSettings().NotesPath, "/opt/notes/notes");
    Get<QPushButton>("btnLN")->click();
    std::string opened;
    for (int i = 0; i < 300 && opened.empty(); ++i) {
        opened = testsupport::ReadFile(notes.Env().ShellLog());
        RunEventsFor(10);
    }
    EXPECT_EQ(opened, "/opt/notes/notes\n"); // the empty path opened nothing
    Get<QPushButton>("btnAnother")->click();
    EXPECT_EQ(c().GetStep(), 0);
    EXPECT_TRUE(Get<QRadioButton>("rbtnAddr")->isChecked());
    EXPECT_EQ(Get<QPushButton>("btnClose")->text(), "&Cancel");
}

TEST_F(ProgressFinish, TheUndoButtonTakesBackTheRunAfterAsking) {
    const std::string before = notes.Dump("names.nsf");
    AppendJobTitle("!");
    Select(2);
    Run();
    QPushButton* undo = Get<QPushButton>("btnUndo");
    ASSERT_TRUE(undo->isEnabled());
    const std::string changed = notes.Dump("names.nsf");
    ASSERT_NE(changed, before);

    AnswerNoThenYes(undo, changed, before);
    EXPECT_EQ(Text("lblResult"), "The run was undone: 2 items put back, 0 left.");
    EXPECT_FALSE(undo->isEnabled());
    ASSERT_EQ(prompts.Records().size(), 2u);
    EXPECT_EQ(prompts.Records()[1].caption, "Undo This Run");
    EXPECT_EQ(prompts.Records()[1].icon, QMessageBox::Question);
}

TEST_F(ProgressFinish, AContactEditedSinceTheLoadIsKeptAndTold) {
    AppendJobTitle("!");
    Select(2);
    notes.Notesdb("set '" + db + "' 2 JobTitle Edited");
    Run();
    const std::string after = notes.Dump("names.nsf");
    EXPECT_NE(after.find("JobTitle: Edited\n"), std::string::npos);
    EXPECT_NE(after.find("!\n"), std::string::npos) << "the other contact changed";
    EXPECT_EQ(Text("lblResult").toStdString(),
              "1 record was changed in Lotus Notes after it was loaded and was left unchanged; "
              "the others were written back. Document 2 was changed in Lotus Notes after it was "
              "loaded; it was left unchanged.");
}

// Earlier runs from the mode page: the run just made, its documents, and its
// undo, first as a dry run and only after asking for real.
TEST_F(ProgressFinish, EarlierRunsListsTheJournalAndUndoesAChosenRun) {
    const std::string before = notes.Dump("names.nsf");
    AppendJobTitle("!");
    Select(2);
    Run();
    const std::string changed = notes.Dump("names.nsf");
    Get<QPushButton>("btnAnother")->click();
    ASSERT_EQ(c().GetStep(), 0);
    const int kind = c().GetSettings().AppFlag;
    const std::string database = c().GetSettings().AddrFile;

    const auto column = [](QTreeWidget* list, int row, int col) {
        return list->topLevelItem(row)->text(col).toStdString();
    };
    bool shown = false;
    prompts.AnswerDialog([&](QDialog& dialog) {
        shown = true;
        auto* runs = Find<QTreeWidget>(&dialog, "lvRuns");
        auto* detail = Find<QTreeWidget>(&dialog, "lvRunDetail");
        auto* undo = Find<QPushButton>(&dialog, "btnUndo");
        EXPECT_EQ(runs->topLevelItemCount(), 1);
        EXPECT_EQ(column(runs, 0, 2), db);
        EXPECT_EQ(column(runs, 0, 3), "contacts");
        EXPECT_EQ(column(runs, 0, 4), "2");
        EXPECT_EQ(column(runs, 0, 5), "finished");
        EXPECT_EQ(column(runs, 0, 6), "no");
        EXPECT_EQ(detail->topLevelItemCount(), 2);
        EXPECT_NE(column(detail, 0, 0).find("(change, committed)"), std::string::npos);
        QTreeWidgetItem* item = detail->topLevelItem(0)->child(0);
        EXPECT_EQ(item->text(0), "JobTitle");
        EXPECT_EQ(item->text(2), item->text(1) + "!");

        AnswerNoThenYes(undo, changed, before);
        EXPECT_EQ(Find<QLabel>(&dialog, "lblUndo")->text(),
                  "The run was undone: 2 items put back, 0 left.");
        EXPECT_EQ(runs->topLevelItemCount(), 2);
        EXPECT_EQ(column(runs, 0, 3), "contacts (undo)");
        EXPECT_EQ(column(runs, 1, 6), "yes");
        return QDialog::Accepted;
    });
    Get<QPushButton>("btnRuns")->click();
    EXPECT_TRUE(shown);
    // The undo named its own database; the choices on the pages stay.
    EXPECT_EQ(c().GetSettings().AppFlag, kind);
    EXPECT_EQ(c().GetSettings().AddrFile, database);
    std::vector<QString> asked;
    for (const tagPromptRecord& r : prompts.Records())
        if (r.kind == tagPromptRecord::MessageBox)
            asked.push_back(r.text);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].toStdString().rfind("2 items would be put back, 0 left as they are; "
                                           "nothing was changed.", 0),
              0u)
        << asked[0].toStdString();
}

// A helper killed during its write-back: the finish page says how many
// records the journal confirms written, and that many at most did change.
TEST_F(ProgressFinish, AWriteBackCutShortTellsHowManyRecordsTheHelperWrote) {
    AppendJobTitle("!");
    Select(7);
    c().GetSettings().RecordPauseMs = 0;
    // Journal writes: the header, seven entries, then each document's outcome
    // after its store: the third outcome is never written.
    {
        const testsupport::Preloaded kill(KILL_SHIM, {{"ZEMBRIK_KILL_AT_JOURNAL_WRITE", "11"}});
        Run();
    }

    EXPECT_EQ(Text("lblRec"), "7 records in total");
    EXPECT_EQ(Text("lblWritten"), "2 of 7 records were written before the helper program ended; "
                                  "Undo This Run puts them back.");
    EXPECT_TRUE(Get<QLabel>("lblWritten")->isVisible());
    EXPECT_NE(Text("lblResult").toStdString().find("signal 9"), std::string::npos)
        << Text("lblResult").toStdString();
    const std::string dump = notes.Dump("names.nsf");
    std::size_t changed = 0;
    for (std::size_t at = dump.find("!\n"); at != std::string::npos; at = dump.find("!\n", at + 1))
        ++changed;
    EXPECT_GE(changed, 2u); // the third was stored before its outcome could be written
    EXPECT_LE(changed, 3u);

    prompts.AnswerMessage(QMessageBox::Yes);
    Get<QPushButton>("btnUndo")->click();
    EXPECT_EQ(notes.Dump("names.nsf").find("!\n"), std::string::npos);
    EXPECT_FALSE(Get<QLabel>("lblWritten")->isVisible());
}

// A run that went well reads as it always did.
TEST_F(ProgressFinish, AWriteBackThatWentWellHasNoLineOfWrittenRecords) {
    AppendJobTitle("!");
    Select(2);
    Run();
    EXPECT_EQ(Text("lblResult"), "Records updating successfully.");
    EXPECT_FALSE(Get<QLabel>("lblWritten")->isVisible());
}

// Preview on the selection page: the ticked records' changes, before and
// after, through the run's own engine; nothing is written or changed, and
// the run after it makes exactly those changes.
TEST_F(ProgressFinish, PreviewShowsTheTickedRecordsChangesAndChangesNothing) {
    const std::string before = notes.Dump("names.nsf");
    AppendJobTitle("!");
    Select(2);
    std::vector<std::vector<QString>> rows;
    QString summary;
    prompts.AnswerDialog([&](QDialog& dialog) {
        auto& preview = static_cast<TfmPreview&>(dialog);
        preview.FillAll();
        summary = Find<QLabel>(&dialog, "lblSummary")->text();
        auto* list = Find<QTreeWidget>(&dialog, "lvPreview");
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            QTreeWidgetItem* record = list->topLevelItem(r);
            rows.push_back({record->text(0)});
            for (int f = 0; f < record->childCount(); ++f)
                rows.push_back({record->child(f)->text(0), record->child(f)->text(1),
                                record->child(f)->text(2)});
        }
        return QDialog::Accepted;
    });
    Get<QPushButton>("btnPreview")->click();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][0].left(9), "Record 1 ");
    EXPECT_EQ(rows[1][0], "Job Title");
    EXPECT_EQ(rows[1][2], rows[1][1].chopped(1) + "!\"");
    EXPECT_EQ(rows[2][0].left(9), "Record 2 ");
    EXPECT_EQ(summary, "2 of 2 records would change, 0 would not; 2 fields would change, 0 would "
                       "not.");
    EXPECT_EQ(notes.Dump("names.nsf"), before);

    // The run makes the same change, once.
    Run();
    const std::string after = notes.Dump("names.nsf");
    EXPECT_EQ(after.find("!!\n"), std::string::npos);
    const std::string title = rows[1][1].mid(1, rows[1][1].size() - 2).toStdString();
    EXPECT_NE(after.find("JobTitle: " + title + "!\n"), std::string::npos) << after;
}

} // namespace
