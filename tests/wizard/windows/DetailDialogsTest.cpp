// The detail dialogs on hand-made common records: the repetition rules, the
// flags and numbers, the Go button, and a dialog without a record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "TestSupport.h"
#include "WindowsTestSupport.h"
#include "common/misc/CxString.h"
#include "common/pim/CommRecords.h"
#include "wizard/windows/dialogs/TfmAddrDetail.h"
#include "wizard/windows/dialogs/TfmDateDetail.h"
#include "wizard/windows/dialogs/TfmTodoDetail.h"

namespace {

SYSTEMTIME Day(int year, int month, int day, int hour = 0) {
    SYSTEMTIME st{};
    st.wYear = static_cast<uint16_t>(year);
    st.wMonth = static_cast<uint16_t>(month);
    st.wDay = static_cast<uint16_t>(day);
    st.wHour = static_cast<uint16_t>(hour);
    return st;
}

tagCommDateRec Entry(int repeatKind) {
    tagCommDateRec rec;
    std::memset(&rec, 0, sizeof rec);
    CxStrCopy(rec.szDescription, "Standup");
    rec.stStart = Day(2021, 6, 11, 9);
    rec.stEnd = Day(2021, 6, 11, 10);
    rec.nRepeatKind = repeatKind;
    rec.nRepeatInterval = 3;
    rec.nRepeatWeekday = 2;
    return rec;
}

bool TabShown(QTabWidget* tabs, QWidget* tab) {
    return tabs->isTabVisible(tabs->indexOf(tab));
}

TEST(DateDetail, ShowsOnlyTheTabOfTheRepetitionWithItsInterval) {
    const struct {
        int kind;
        bool recurrence;
        const char* tab;      // the one inner tab left; null: all four
        const char* interval; // the edit that takes the interval
        bool byDate, byDay;
    } cases[] = {
        {0, false, nullptr, nullptr, false, false},
        {1, true, "tDaily", "edtRecurDays", false, false},
        {2, true, "tWeekly", "edtRecurWeeks", false, false},
        {3, true, "tMonthly", "edtRecurMonths", false, true},
        {4, true, "tMonthly", "edtRecurMonths", true, false},
        {5, true, "tYearly", "edtRecurYears", false, false},
        {6, true, "tYearly", "edtRecurYears", false, false},
        {9, true, nullptr, nullptr, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const tagCommDateRec rec = Entry(c.kind);
        TfmDateDetail dialog(nullptr);
        dialog.ShowRecord(&rec);
        EXPECT_EQ(TabShown(dialog.pDate, dialog.tRecur), c.recurrence);
        EXPECT_EQ(TabShown(dialog.pDate, dialog.tGen), true);
        EXPECT_EQ(TabShown(dialog.pDate, dialog.tNotes), true);
        for (QWidget* tab : {dialog.tDaily, dialog.tWeekly, dialog.tMonthly, dialog.tYearly}) {
            EXPECT_EQ(TabShown(dialog.pRecur, tab), !c.tab || tab->objectName() == c.tab)
                << tab->objectName().toStdString();
        }
        if (c.tab) {
            EXPECT_EQ(dialog.pRecur->currentWidget()->objectName(), c.tab);
        }
        for (QLineEdit* edit : {dialog.edtRecurDays, dialog.edtRecurWeeks, dialog.edtRecurMonths,
                                dialog.edtRecurYears})
            EXPECT_EQ(edit->text(), c.interval && edit->objectName() == c.interval ? "3" : "")
                << edit->objectName().toStdString();
        EXPECT_EQ(dialog.rbtnDate->isChecked(), c.byDate);
        EXPECT_EQ(dialog.rbtnDay->isChecked(), c.byDay);
        // The weekday value is not shown.
        for (QCheckBox* day : dialog.tWeekly->findChildren<QCheckBox*>())
            EXPECT_FALSE(day->isChecked()) << day->objectName().toStdString();
        EXPECT_EQ(dialog.pDate->currentWidget(), dialog.tGen);
    }
}

TEST(DateDetail, TheRangeStartsOnTheRepetitionsStartAndEndsBefore2100) {
    const struct {
        SYSTEMTIME start;
        bool until;
        SYSTEMTIME end;
        const char* startText;
        bool endBy;
        const char* endText;
    } cases[] = {
        {Day(2021, 3, 1), true, Day(2099, 12, 31), "03/01/2021", true, "12/31/2099"},
        {Day(0, 0, 0), true, Day(2030, 7, 4), "06/11/2021", true, "07/04/2030"},
        {Day(2021, 0, 5), true, Day(2100, 1, 1), "06/11/2021", false, ""},
        {Day(2021, 3, 0), true, Day(2250, 5, 5), "06/11/2021", false, ""},
        {Day(0, 3, 1), false, Day(2030, 7, 4), "06/11/2021", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.startText + std::string(" ") + c.endText);
        tagCommDateRec rec = Entry(1);
        rec.stRepeatStart = c.start;
        rec.bRepeatUntil = c.until ? 1 : 0;
        rec.stRepeatUntil = c.end;
        TfmDateDetail dialog(nullptr);
        dialog.ShowRecord(&rec);
        EXPECT_EQ(dialog.edtRecurStart->text(), c.startText);
        EXPECT_EQ(dialog.rbtnEndBy->isChecked(), c.endBy);
        EXPECT_EQ(dialog.rbtnNoEnd->isChecked(), !c.endBy);
        EXPECT_EQ(dialog.edtRecurEnd->text(), c.endText);
    }
}

TEST(DateDetail, FlagsTickTheirBoxes) {
    for (int on = 0; on < 2; ++on) {
        tagCommDateRec rec = Entry(0);
        rec.nAlarm = on * 7;
        rec.nPrivate = on;
        rec.nAllDayEvent = on * -1;
        TfmDateDetail dialog(nullptr);
        dialog.ShowRecord(&rec);
        EXPECT_EQ(dialog.cbAlarm->isChecked(), on == 1);
        EXPECT_EQ(dialog.cbPrivate->isChecked(), on == 1);
        EXPECT_EQ(dialog.cbAllday->isChecked(), on == 1);
        EXPECT_EQ(dialog.edtDesc->text(), "Standup");
        EXPECT_EQ(dialog.edtStartTime->text(), "09:00:00");
    }
}

TEST(TodoDetail, ShowsThePriorityNumberTheDueDateAndTheFlags) {
    const struct {
        int32_t priority;
        int32_t due;
        bool flags;
        const char* dueText;
    } cases[] = {{1, 0, true, "N/A"}, {2, 1560000000, false, "06/08/2019"}, {-4, 1, true, "N/A"}};
    for (const auto& c : cases) {
        tagCommTaskRec rec;
        std::memset(&rec, 0, sizeof rec);
        CxStrCopy(rec.szSubject, "Call back");
        rec.nPriority = c.priority;
        rec.nDueDate = c.due;
        rec.bCompleted = c.flags;
        rec.bPrivate = c.flags;
        TfmTodoDetail dialog(nullptr);
        dialog.ShowRecord(&rec);
        EXPECT_EQ(dialog.edtPriority->text(), QString::number(c.priority));
        EXPECT_EQ(dialog.edtDueDate->text(), c.dueText);
        EXPECT_EQ(dialog.cbCompleted->isChecked(), c.flags);
        EXPECT_EQ(dialog.cbPrivate->isChecked(), c.flags);
        EXPECT_EQ(dialog.edtDesc->text(), "Call back");
    }
}

TEST(AddrDetail, TheBirthdayBoxStaysEmptyAndPrivateTicks) {
    tagCommAddrRec rec;
    std::memset(&rec, 0, sizeof rec);
    CxStrCopy(rec.szFirstName, "Ann");
    rec.dtBirthday = 33000.0;
    rec.nPrivate = 5;
    TfmAddrDetail dialog(nullptr);
    dialog.ShowRecord(&rec);
    EXPECT_EQ(dialog.edtFirst->text(), "Ann");
    EXPECT_EQ(dialog.edtBirthday->text(), "");
    EXPECT_TRUE(dialog.cbPrivate->isChecked());
    EXPECT_EQ(dialog.pMain->currentWidget(), dialog.tGen);
    EXPECT_EQ(dialog.pAddr->currentWidget(), dialog.tBusiAddr);
    EXPECT_EQ(dialog.windowTitle(), "Contact detail information");
}

TEST(AddrDetail, GoOpensWhatTheHomePageBoxHoldsAndNothingWhenEmpty) {
    testsupport::IsolatedEnv env;
    tagCommAddrRec rec;
    std::memset(&rec, 0, sizeof rec);
    TfmAddrDetail dialog(nullptr);
    dialog.ShowRecord(&rec);
    dialog.btnGo->click();
    RunEventsFor(200);
    EXPECT_FALSE(testsupport::FileExists(env.ShellLog()));
    dialog.edtHomepage->setText("https://typed.example/ann");
    dialog.btnGo->click();
    EXPECT_TRUE(WaitForShellOpen(env, "https://typed.example/ann"));
}

TEST(DetailDialogs, WithoutARecordNothingIsFilled) {
    TfmAddrDetail contact(nullptr);
    contact.ShowRecord(nullptr);
    TfmDateDetail entry(nullptr);
    entry.ShowRecord(nullptr);
    TfmTodoDetail task(nullptr);
    task.ShowRecord(nullptr);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&contact, &entry, &task}) {
        for (auto* edit : dialog->findChildren<QLineEdit*>())
            EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
        for (auto* memo : dialog->findChildren<QPlainTextEdit*>())
            EXPECT_EQ(memo->toPlainText(), "") << memo->objectName().toStdString();
        EXPECT_EQ(Find<QPushButton>(dialog, "btnClose")->text(), "&Close");
    }
    EXPECT_TRUE(TabShown(entry.pDate, entry.tRecur));
}

// The next control that Tab moves to; labels take no focus.
QWidget* NextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

// Tab follows the order the fields are listed in, whatever the layout.
TEST(DetailDialogs, TabFollowsTheFieldsInTheirOrder) {
    TfmAddrDetail contact(nullptr);
    TfmTodoDetail task(nullptr);
    const struct {
        QDialog* dialog;
        std::vector<const char*> order;
    } cases[] = {
        {&contact,
         {"edtFirst", "edtLast", "edtCompany", "edtTitle", "edtBusiTel", "edtHomeTel",
          "edtMobileTel", "edtOtherTel", "edtEmail", "edtFax", "edtPager", "edtMainTel",
          "edtBirthday", "cbPrivate", "edtCategory"}},
        {&task,
         {"edtDesc", "edtPriority", "edtDueDate", "cbCompleted", "cbPrivate", "edtCategory",
          "memNotes"}},
    };
    for (const auto& c : cases)
        for (std::size_t i = 1; i < c.order.size(); ++i)
            EXPECT_EQ(NextTabStop(Find<QWidget>(c.dialog, c.order[i - 1])),
                      Find<QWidget>(c.dialog, c.order[i]))
                << c.order[i];
}

} // namespace
