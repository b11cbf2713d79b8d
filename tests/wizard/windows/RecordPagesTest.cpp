// The selection pages against a stand-in installation with the real helper
// hosts: the rows after a load, the ticks, the refusals, the detail dialogs
// of seeded records, and what a walk back and forth keeps.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

#include "NotesInstall.h"
#include "WindowsTestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNRecStore.h"
#include "common/misc/CxList.h"
#include "common/pim/CommRecords.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/pages/RecordFilterModel.h"
#include "wizard/windows/pages/RecordPage.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

struct Kind {
    const char* button;
    const char* database; // below Data/
    WizardPage page;
    const char* list;
    const char* details;
    const char* selAllItem;
    const char* clearItem;
    const char* detailItem;
    const char* refusal;
    std::vector<const char*> captions;
    std::vector<int> widths;
    std::vector<const char*> firstRow; // of the first seeded record
};

const Kind kContacts = {
    "rbtnAddr",
    "names.nsf",
    WIZARD_PAGE_ADDR_DATA,
    "lvAddrData",
    "btnAddrDetail",
    "pmiAddrSelAll",
    "pmiAddrClear",
    "pmiAddrDetail",
    "No contact record is selected. Please select the records you want to update.",
    {"First Name", "Last Name", "Email", "Business Phone", "Home Phone", "Mobile Phone", "Company",
     "Title"},
    {80, 80, 120, 100, 100, 100, 100, 80},
    {"Lukas", "Ivanova", "lukas.ivanova0@work.example.com", "+45 881 9281921", "+72 608 8676877",
     "+18 104 4289474", "Acme Tools", "Director"}};

const Kind kCalendar = {
    "rbtnDate",
    "mail/user.nsf",
    WIZARD_PAGE_DATE_DATA,
    "lvDateData",
    "btnDateDetail",
    "pmiDateSelAll",
    "pmiDateClear",
    "pmiDateDetail",
    "No calendar record is selected. Please select the records you want to update.",
    {"Description", "Date", "Start Time", "End Time"},
    {360, 100, 100, 100},
    {"Project kick-off 0", "06/11/2021", "00:15:00", "01:15:00"}};

const Kind kTasks = {"rbtnTask",
                     "mail/user.nsf",
                     WIZARD_PAGE_TASK_DATA,
                     "lvTaskData",
                     "btnTodoDetail",
                     "pmiTodoSelAll",
                     "pmiTodoClear",
                     "pmiTodoDetail",
                     "No task record is selected. Please select the records you want to update.",
                     {"Description", "Due Date", "Priority", "Completed"},
                     {360, 100, 80, 80},
                     {"Order supplies 0", "04/04/2021", "Normal", "No"}};

class RecordPages : public ::testing::Test {
protected:
    template <typename Control> Control* Get(const char* name) const {
        return Find<Control>(main.get(), name);
    }
    int Step() const { return main->Controller().GetStep(); }
    void Next() { Get<QPushButton>("btnNext")->click(); }
    void Prev() { Get<QPushButton>("btnPrev")->click(); }

    // A database of the kind with `count` seeded records (seed 1).
    void Seed(const Kind& kind, const char* what, int count) {
        const std::string db = notes.DataFile(kind.database);
        notes.Notesdb("create '" + db + "'");
        if (count > 0)
            notes.Notesdb("seed '" + db + "' " + what + " " + std::to_string(count));
    }

    // From a new main window through the load and the definitions to the
    // kind's selection page.
    void ToRecords(const Kind& kind) {
        main = std::make_unique<TfmMain>();
        main->show();
        LoadFromAccessPage(main.get(), kind.button, notes.DataFile(kind.database),
                           kind.page != WIZARD_PAGE_ADDR_DATA);
        ASSERT_EQ(Step(), 2) << main->Controller().GetLoadError();
        PassDefinitions();
    }

    // From the selection page back to the access page and on: a new load.
    void LoadAgain() {
        Prev();
        Prev();
        ASSERT_EQ(Step(), 1);
        Next();
        ASSERT_EQ(Step(), 2);
        PassDefinitions();
    }

    // Moves on from the definitions page, which wants one definition.
    void PassDefinitions() {
        CxList* definitions = main->Controller().GetUpdateDefinitions();
        if (definitions->GetCount() == 0) {
            tagFUFieldUpdate* definition = CxWizardController::NewDefinition();
            definition->nFieldKey = 3;
            definition->nOperation = FU_OP_SET;
            definitions->Add(definition);
        }
        Next();
        ASSERT_EQ(Step(), 3);
    }

    CxRecordPage* Page(const Kind& kind) const {
        return static_cast<CxRecordPage*>(main->Page(kind.page));
    }
    QTreeView* List(const Kind& kind) const { return Get<QTreeView>(kind.list); }
    // A button or a menu item of the kind's page.
    void Click(const Kind& kind, const char* name) {
        if (auto* item = Page(kind)->findChild<QAction*>(name))
            item->trigger();
        else
            Find<QPushButton>(Page(kind), name)->click();
    }
    std::vector<bool> Ticks(const Kind& kind) const {
        QAbstractItemModel* model = List(kind)->model();
        std::vector<bool> ticks;
        for (int row = 0; row < model->rowCount(); ++row)
            ticks.push_back(model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked);
        return ticks;
    }
    void SetTick(const Kind& kind, int row, bool on) {
        QAbstractItemModel* model = List(kind)->model();
        model->setData(model->index(row, 0), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    }
    std::vector<void*> Selected() const {
        std::vector<void*> records;
        CxList* selected = main->Controller().GetSelectedRecords();
        for (uint32_t i = 0; i < selected->GetCount(); ++i)
            records.push_back(selected->GetAt(i));
        return records;
    }
    std::vector<void*> Rows(const Kind& kind, const std::vector<int>& rows) const {
        std::vector<void*> records;
        for (int row : rows)
            records.push_back(Page(kind)->Model()->Record(row));
        return records;
    }
    // Opens the highlighted row's dialog through `open`; the dialogs seen.
    std::vector<std::string> OpenDetails(const Kind& kind, const std::function<void()>& open) {
        std::vector<std::string> seen;
        Page(kind)->SetShowDetail(
            [&seen](QDialog& dialog) { seen.push_back(dialog.objectName().toStdString()); });
        open();
        return seen;
    }

    NotesInstall notes;
    CxPromptRecorder prompts;
    std::unique_ptr<TfmMain> main;
};

struct KindCase {
    const Kind* kind;
    const char* seed;
    const char* dialog;
};

void PrintTo(const KindCase& c, std::ostream* out) {
    *out << c.seed;
}

class EveryKind : public RecordPages, public ::testing::WithParamInterface<KindCase> {};

TEST_P(EveryKind, ALoadTicksEveryRowHighlightsTheFirstAndNextSelectsThemAll) {
    const Kind& kind = *GetParam().kind;
    Seed(kind, GetParam().seed, 6);
    ToRecords(kind);
    QTreeView* list = List(kind);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(Ticks(kind), std::vector<bool>(6, true));
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(list->selectionModel()->selectedRows().value(0).row(), 0);
    ASSERT_EQ(list->model()->columnCount(), static_cast<int>(kind.captions.size()));
    for (int c = 0; c < list->model()->columnCount(); ++c) {
        EXPECT_EQ(list->model()->headerData(c, Qt::Horizontal), kind.captions[c]);
        // Never narrower than given, and wide enough for its caption and texts.
        EXPECT_GE(list->header()->sectionSize(c), kind.widths[c]) << kind.captions[c];
        EXPECT_GT(list->header()->sectionSize(c),
                  list->fontMetrics().horizontalAdvance(kind.firstRow[c]))
            << kind.captions[c];
        EXPECT_GT(list->header()->sectionSize(c),
                  list->header()->fontMetrics().horizontalAdvance(kind.captions[c]))
            << kind.captions[c];
        EXPECT_EQ(list->model()->index(0, c).data(), kind.firstRow[c]) << kind.captions[c];
    }

    Next();
    EXPECT_EQ(Step(), 4);
    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_EQ(Selected(), Rows(kind, {0, 1, 2, 3, 4, 5}));
}

TEST_P(EveryKind, ClearRefusesNextWithTheKindsTextAndSelectAllTicksAgain) {
    const Kind& kind = *GetParam().kind;
    Seed(kind, GetParam().seed, 4);
    ToRecords(kind);
    struct Way {
        const char* clear;
        const char* selectAll;
    };
    for (const Way& way : {Way{"btnClear", "btnSelAll"}, Way{kind.clearItem, kind.selAllItem}}) {
        SCOPED_TRACE(way.clear);
        SetTick(kind, 2, false);
        Click(kind, way.clear);
        EXPECT_EQ(Ticks(kind), std::vector<bool>(4, false));
        EXPECT_EQ(List(kind)->selectionModel()->selectedRows().value(0).row(), 0);
        prompts.Clear();
        Next();
        EXPECT_EQ(Step(), 3);
        ASSERT_EQ(prompts.Records().size(), 1u);
        EXPECT_EQ(prompts.Records()[0].caption, "Error");
        EXPECT_EQ(prompts.Records()[0].icon, QMessageBox::Critical);
        EXPECT_EQ(prompts.Records()[0].text, kind.refusal);

        Click(kind, way.selectAll);
        EXPECT_EQ(Ticks(kind), std::vector<bool>(4, true));
    }
}

TEST_P(EveryKind, EveryDetailsActionOpensTheHighlightedRowsDialog) {
    const Kind& kind = *GetParam().kind;
    const std::string dialog = GetParam().dialog;
    Seed(kind, GetParam().seed, 3);
    ToRecords(kind);
    QTreeView* list = List(kind);
    list->setCurrentIndex(list->model()->index(2, 1));
    const QRect cell = list->visualRect(list->model()->index(2, 1));
    const std::function<void()> ways[] = {
        [&] { Click(kind, kind.details); },
        [&] { Click(kind, kind.detailItem); },
        [&] {
            // A double-click comes after the click it completes.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        },
    };
    for (const auto& open : ways)
        EXPECT_EQ(OpenDetails(kind, open), std::vector<std::string>{dialog}) << (&open - ways);

    // Nothing highlighted: nothing opens.
    list->selectionModel()->clearSelection();
    EXPECT_TRUE(OpenDetails(kind, ways[0]).empty());
    EXPECT_TRUE(OpenDetails(kind, ways[1]).empty());
}

TEST_P(EveryKind, AnEmptyListRefusesNextAndOpensNoDialog) {
    const Kind& kind = *GetParam().kind;
    Seed(kind, GetParam().seed, 0);
    ToRecords(kind);
    EXPECT_EQ(List(kind)->model()->rowCount(), 0);
    EXPECT_TRUE(OpenDetails(kind, [&] { Get<QPushButton>(kind.details)->click(); }).empty());
    Next();
    EXPECT_EQ(Step(), 3);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].text, kind.refusal);
}

// The find box shows the rows that hold its text in any column, in any case;
// Select All and Clear act on those rows, Next takes every ticked row, a
// caption sorts, and the next load shows every row again.
TEST_P(EveryKind, FindShowsTheRowsThatHoldTheTextAndTicksActOnThemAlone) {
    const Kind& kind = *GetParam().kind;
    Seed(kind, GetParam().seed, 6);
    ToRecords(kind);
    QTreeView* list = List(kind);
    CxRecordListModel* rows = Page(kind)->Model();
    auto* find = Find<QLineEdit>(Page(kind), "edtFind");
    auto* count = Find<QLabel>(Page(kind), "lblShown");
    EXPECT_EQ(count->text(), "Shown 6 of 6 \u00b7 Ticked 6");

    const QString text = QString(kind.firstRow[0]).toUpper();
    std::vector<int> holding, others;
    for (int row = 0; row < rows->rowCount(); ++row) {
        bool holds = false;
        for (int c = 0; c < rows->columnCount(); ++c)
            holds = holds || rows->index(row, c).data().toString().contains(text, Qt::CaseInsensitive);
        (holds ? holding : others).push_back(row);
    }
    ASSERT_FALSE(holding.empty());
    ASSERT_FALSE(others.empty());
    find->setText(text);
    ASSERT_EQ(list->model()->rowCount(), static_cast<int>(holding.size()));
    for (int row = 0; row < list->model()->rowCount(); ++row)
        EXPECT_EQ(Page(kind)->Shown()->mapToSource(list->model()->index(row, 0)).row(),
                  holding[static_cast<std::size_t>(row)]);
    EXPECT_EQ(count->text(), QString("Shown %1 of 6 \u00b7 Ticked 6").arg(holding.size()));

    Click(kind, "btnClear");
    EXPECT_EQ(count->text(),
              QString("Shown %1 of 6 \u00b7 Ticked %2").arg(holding.size()).arg(others.size()));
    for (int row : holding)
        EXPECT_FALSE(rows->IsTicked(row)) << row;
    for (int row : others)
        EXPECT_TRUE(rows->IsTicked(row)) << row;
    // Next hands on the ticked rows that the find box hides.
    Next();
    EXPECT_EQ(Step(), 4);
    EXPECT_EQ(Selected(), Rows(kind, others));
    Prev();
    Click(kind, kind.selAllItem);
    EXPECT_EQ(count->text(), QString("Shown %1 of 6 \u00b7 Ticked 6").arg(holding.size()));

    find->clear();
    EXPECT_EQ(list->model()->rowCount(), 6);
    list->header()->setSortIndicator(0, Qt::DescendingOrder);
    for (int row = 1; row < list->model()->rowCount(); ++row)
        EXPECT_GE(list->model()->index(row - 1, 0).data().toString().compare(
                      list->model()->index(row, 0).data().toString(), Qt::CaseInsensitive),
                  0)
            << row;

    // A new load clears the box and shows its rows in their own order.
    find->setText(text);
    LoadAgain();
    EXPECT_EQ(find->text(), "");
    ASSERT_EQ(list->model()->rowCount(), 6);
    EXPECT_EQ(list->model()->index(0, 0).data(), kind.firstRow[0]);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKind,
                         ::testing::Values(KindCase{&kContacts, "contacts", "fmAddrDetail"},
                                           KindCase{&kCalendar, "appointments", "fmDateDetail"},
                                           KindCase{&kTasks, "tasks", "fmTodoDetail"}),
                         [](const auto& info) { return std::string(info.param.seed); });

// What every edit, memo and tick box of a dialog shows, by name.
std::map<std::string, QString> Contents(const QDialog& dialog) {
    std::map<std::string, QString> shown;
    for (auto* edit : dialog.findChildren<QLineEdit*>())
        shown[edit->objectName().toStdString()] = edit->text();
    for (auto* memo : dialog.findChildren<QPlainTextEdit*>())
        shown[memo->objectName().toStdString()] = memo->toPlainText();
    for (auto* box : dialog.findChildren<QCheckBox*>())
        shown[box->objectName().toStdString()] = box->isChecked() ? "ticked" : "";
    return shown;
}

struct DetailCase {
    const Kind* kind;
    const char* seed;
    std::map<std::string, QString> shown; // the controls that are not empty
};

// The seeded contact has a birthday, which the dialog never shows, and a
// category, which the common record does not carry.
const std::map<std::string, QString> kSeededContact = {
    {"edtFirst", "Lukas"},
    {"edtLast", "Ivanova"},
    {"edtCompany", "Acme Tools"},
    {"edtTitle", "Director"},
    {"edtBusiTel", "+45 881 9281921"},
    {"edtHomeTel", "+72 608 8676877"},
    {"edtMobileTel", "+18 104 4289474"},
    {"edtEmail", "lukas.ivanova0@work.example.com"},
    {"edtFax", "+62 390 6985967"},
    {"edtPager", "+41 483 0713312"},
    {"edtMainTel", "+5 477 7060113"},
    {"memBusiStreet", "142 Midosuji"},
    {"edtBusiCity", "Osaka"},
    {"edtBusiState", "OSK"},
    {"edtBusiPostal", "34243"},
    {"edtBusiCountry", "Japan"},
    {"memHomeStreet", "84 Avenida da Liberdade"},
    {"edtHomeCity", "Porto"},
    {"edtHomeState", "PT"},
    {"edtHomePostal", "15744"},
    {"edtHomeCountry", "Portugal"},
    {"memOtherStreet", "PO Box 0"},
    {"edtOtherCity", "Oslo"},
    {"edtOtherState", "OS"},
    {"edtOtherPostal", "61095"},
    {"edtOtherCountry", "Norway"},
    {"memNotes", "Contact 0"},
    {"edtIM1", "Lukas Ivanova/Example"},
    {"edtHomepage", "https://www.example.com/lukas.ivanova0"},
};

// Not repeating: the range starts on the entry's date.
const std::map<std::string, QString> kSeededEntry = {
    {"edtDesc", "Project kick-off 0"},
    {"edtDate", "06/11/2021"},
    {"edtStartTime", "00:15:00"},
    {"edtEndTime", "01:15:00"},
    {"edtRecurStart", "06/11/2021"},
    {"memNotes", "Agenda for entry 0:\n1. Item 36\n2. Item 32\nRegards"},
};

// Importance 1 in Notes is priority 0 of the common record.
const std::map<std::string, QString> kSeededTask = {
    {"edtDesc", "Order supplies 0"},
    {"edtPriority", "0"},
    {"edtDueDate", "04/04/2021"},
    {"memNotes", "Details of task 0\nSecond line"},
};

void PrintTo(const DetailCase& c, std::ostream* out) {
    *out << c.seed;
}

class SeededDetails : public RecordPages, public ::testing::WithParamInterface<DetailCase> {};

// The first seeded record of each kind, through the helper host; what is
// typed into the dialog is gone when it opens again.
TEST_P(SeededDetails, ShowTheRecordAndDropWhatIsTyped) {
    const Kind& kind = *GetParam().kind;
    Seed(kind, GetParam().seed, 2);
    ToRecords(kind);
    std::vector<std::map<std::string, QString>> seen;
    Page(kind)->SetShowDetail([&seen](QDialog& dialog) {
        seen.push_back(Contents(dialog));
        for (auto* edit : dialog.findChildren<QLineEdit*>())
            QTest::keyClicks(edit, "typed");
        for (auto* memo : dialog.findChildren<QPlainTextEdit*>())
            QTest::keyClicks(memo, "typed");
        for (auto* box : dialog.findChildren<QCheckBox*>())
            box->click();
        Find<QPushButton>(&dialog, "btnClose")->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    });
    Click(kind, kind.details);
    Click(kind, kind.details);
    ASSERT_EQ(seen.size(), 2u);
    std::map<std::string, QString> filled;
    for (const auto& [name, text] : seen[0])
        if (!text.isEmpty())
            filled[name] = text;
    EXPECT_EQ(filled, GetParam().shown);
    EXPECT_EQ(seen[1], seen[0]);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SeededDetails,
                         ::testing::Values(DetailCase{&kContacts, "contacts", kSeededContact},
                                           DetailCase{&kCalendar, "appointments", kSeededEntry},
                                           DetailCase{&kTasks, "tasks", kSeededTask}),
                         [](const auto& info) { return std::string(info.param.seed); });

// Leaving forward twice, after a step back, selects each ticked record once.
TEST_F(RecordPages, LeavingForwardAgainSelectsEachRecordOnce) {
    Seed(kContacts, "contacts", 5);
    ToRecords(kContacts);
    SetTick(kContacts, 1, false);
    for (int pass = 0; pass < 3; ++pass) {
        Next();
        ASSERT_EQ(Step(), 4);
        EXPECT_EQ(Selected(), Rows(kContacts, {0, 2, 3, 4})) << pass;
        Prev();
    }
}

// Coming forward again keeps the ticks; only a new load ticks every row.
TEST_F(RecordPages, ReturningKeepsTheTicksAndOnlyANewLoadResetsThem) {
    Seed(kContacts, "contacts", 30);
    ToRecords(kContacts);
    std::vector<bool> expected(30, true);
    for (int row : {3, 4, 17, 29}) {
        SetTick(kContacts, row, false);
        expected[row] = false;
    }
    List(kContacts)->setCurrentIndex(List(kContacts)->model()->index(17, 0));
    Prev();
    ASSERT_EQ(Step(), 2);
    PassDefinitions();
    EXPECT_EQ(Ticks(kContacts), expected);
    EXPECT_EQ(List(kContacts)->currentIndex().row(), 17);
    Next();
    Prev();
    Prev();
    PassDefinitions();
    EXPECT_EQ(Ticks(kContacts), expected);

    LoadAgain();
    EXPECT_EQ(Ticks(kContacts), std::vector<bool>(30, true));
    EXPECT_EQ(List(kContacts)->currentIndex().row(), 0);
    Next();
    EXPECT_EQ(Selected().size(), 30u);
}

// The page draws and shows records from the exchange file: the dialog of a
// row shows its record without the record ever being made in memory, and
// shows what making it later gives.
TEST_F(RecordPages, ADetailDialogShowsARecordNeverHeldInFull) {
    Seed(kContacts, "contacts", 3);
    ToRecords(kContacts);
    CxLNRecStore* store = main->Controller().GetAddrUtil()->GetRecStore();
    ASSERT_EQ(store->Count(), 3u);
    List(kContacts)->setCurrentIndex(List(kContacts)->model()->index(2, 0));
    std::map<std::string, QString> shown;
    Page(kContacts)->SetShowDetail([&shown](QDialog& dialog) { shown = Contents(dialog); });
    Click(kContacts, kContacts.details);
    for (std::size_t i = 0; i < store->Count(); ++i) {
        EXPECT_EQ(store->Slot(i)->pComm, nullptr) << i;
        EXPECT_EQ(store->Slot(i)->pRec, nullptr) << i;
    }

    const auto* made = static_cast<const tagCommAddrRec*>(Page(kContacts)->Model()->Record(2));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(store->Slot(2)->pComm, made);
    EXPECT_EQ(shown["edtFirst"], QString::fromLatin1(made->szFirstName));
    EXPECT_EQ(shown["edtLast"], QString::fromLatin1(made->szLastName));
    EXPECT_FALSE(shown["edtFirst"].isEmpty());
    EXPECT_NE(shown["edtFirst"], QString("Lukas")); // not the first record's
}

} // namespace
