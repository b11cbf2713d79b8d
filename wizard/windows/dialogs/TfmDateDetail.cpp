#include "TfmDateDetail.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "wizard/windows/widgets/Controls.h"

namespace {

// Field keys of the calendar catalogue.
enum : int {
    KEY_DESCRIPTION = 1,
    KEY_START_TIME = 2,
    KEY_END_TIME = 3,
    KEY_DATE = 6,
    KEY_NOTE = 7,
    KEY_LOCATION = 9,
    KEY_CATEGORY = 11,
};

// The dates and times are read into buffers of this size.
const std::size_t kTimeTextSize = 256;
// An end of the repetition in this year or later means none.
const int kNoEndYear = 2100;

QString DateText(const SYSTEMTIME& date) {
    return QString::asprintf("%02d/%02d/%04d", date.wMonth, date.wDay, date.wYear);
}

// A repetition tab of `tabs` reading "Every [n] unit"; returns its grid,
// whose second row takes what the tab adds.
QGridLayout* RepeatTab(QTabWidget* tabs, QWidget*& tab, const char* name, const char* caption,
                       QLineEdit*& interval, const char* intervalName, const char* unit) {
    tab = Named<QWidget>(name);
    tabs->addTab(tab, caption);
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    interval = Named<QLineEdit>(intervalName, tab);
    interval->setFixedWidth(60);
    interval->setAccessibleName(QString("Every ... ") + unit);
    grid->addWidget(new QLabel("Every", tab), 0, 0);
    grid->addWidget(interval, 0, 1);
    grid->addWidget(new QLabel(unit, tab), 0, 2, 1, -1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);
    return grid;
}

} // namespace

TfmDateDetail::TfmDateDetail(QWidget* parent)
    : CxKindDetailDialog("fmDateDetail", "Calendar detail information", parent) {
    pDate = Named<QTabWidget>("pDate", this);
    CreateGeneral_();
    CreateRecurrence_();
    CreateNotes_();
    pDate->setCurrentWidget(tGen);
    Finish_(pDate, 520, 400);
}

void TfmDateDetail::CreateGeneral_() {
    tGen = Named<QWidget>("tGen");
    pDate->addTab(tGen, "General");
    QGridLayout* grid = Form_(tGen);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setVerticalSpacing(8);
    edtDesc = AddEdit_(grid, "edtDesc", "Description:", KEY_DESCRIPTION);
    edtDate = AddEdit_(grid, "edtDate", "Date:", KEY_DATE, kTimeTextSize);
    edtStartTime = AddEdit_(grid, "edtStartTime", "Start time:", KEY_START_TIME, kTimeTextSize);
    edtEndTime = AddEdit_(grid, "edtEndTime", "End time:", KEY_END_TIME, kTimeTextSize);
    edtLocation = AddEdit_(grid, "edtLocation", "Location:", KEY_LOCATION);
    edtCategory = AddEdit_(grid, "edtCategory", "Category:", KEY_CATEGORY);
    cbAlarm = AddCheck_(grid, "cbAlarm", "Alarm");
    cbPrivate = AddCheck_(grid, "cbPrivate", "Private");
    cbAllday = AddCheck_(grid, "cbAllday", "All day event");
    grid->setRowStretch(grid->rowCount(), 1);
}

void TfmDateDetail::CreateRecurrence_() {
    tRecur = Named<QWidget>("tRecur");
    pDate->addTab(tRecur, "Recurrence");
    pRecur = Named<QTabWidget>("pRecur", tRecur);
    CreateRepeatTabs_();
    CreateRange_();
    auto* page = new QVBoxLayout(tRecur);
    page->setContentsMargins(10, 10, 10, 10);
    page->setSpacing(10);
    page->addWidget(pRecur, 1);
    page->addWidget(gbRange);
}

void TfmDateDetail::CreateRepeatTabs_() {
    RepeatTab(pRecur, tDaily, "tDaily", "Daily", edtRecurDays, "edtRecurDays", "days.");
    CreateWeekly_();
    CreateMonthly_();
    RepeatTab(pRecur, tYearly, "tYearly", "Yearly", edtRecurYears, "edtRecurYears", "years");
}

void TfmDateDetail::CreateWeekly_() {
    QGridLayout* weekly = RepeatTab(pRecur, tWeekly, "tWeekly", "Weekly", edtRecurWeeks,
                                    "edtRecurWeeks", "weeks on:");
    const struct {
        QCheckBox** box;
        const char* name;
        const char* caption;
    } days[] = {{&cbMonday, "cbMonday", "Monday"},          {&cbTuesday, "cbTuesday", "Tuesday"},
                {&cbWednesday, "cbWednesday", "Wednesday"}, {&cbThursday, "cbThursday", "Thursday"},
                {&cbFriday, "cbFriday", "Friday"},          {&cbSaturday, "cbSaturday", "Saturday"},
                {&cbSunday, "cbSunday", "Sunday"}};
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(16);
    for (int i = 0; i < 7; ++i) {
        *days[i].box = Named<QCheckBox>(days[i].name, days[i].caption, tWeekly);
        boxes->addWidget(*days[i].box, i / 4, i % 4);
    }
    weekly->addLayout(boxes, 1, 0, 1, -1);
}

void TfmDateDetail::CreateMonthly_() {
    QGridLayout* monthly = RepeatTab(pRecur, tMonthly, "tMonthly", "Monthly", edtRecurMonths,
                                     "edtRecurMonths", "months");
    rbtnDate = Named<QRadioButton>("rbtnDate", "Date", tMonthly);
    rbtnDay = Named<QRadioButton>("rbtnDay", "Day", tMonthly);
    auto* by = new QHBoxLayout;
    by->setSpacing(16);
    by->addWidget(rbtnDate);
    by->addWidget(rbtnDay);
    by->addStretch(1);
    monthly->addWidget(new QLabel("By:", tMonthly), 1, 0);
    monthly->addLayout(by, 1, 1, 1, -1);
}

void TfmDateDetail::CreateRange_() {
    gbRange = Group_("gbRange", " Recurrence Range ", tRecur);
    auto* grid = new QGridLayout(gbRange);
    grid->setContentsMargins(14, 14, 14, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    edtRecurStart = Named<QLineEdit>("edtRecurStart", gbRange);
    rbtnNoEnd = Named<QRadioButton>("rbtnNoEnd", "No end date", gbRange);
    rbtnEndBy = Named<QRadioButton>("rbtnEndBy", "End by", gbRange);
    edtRecurEnd = Named<QLineEdit>("edtRecurEnd", gbRange);
    edtRecurStart->setFixedWidth(110);
    edtRecurEnd->setFixedWidth(110);
    grid->addWidget(new QLabel("Start:", gbRange), 0, 0);
    grid->addWidget(edtRecurStart, 0, 1);
    grid->addWidget(rbtnNoEnd, 0, 3);
    grid->addWidget(rbtnEndBy, 1, 3);
    grid->addWidget(edtRecurEnd, 1, 4);
    grid->setColumnMinimumWidth(2, 30);
    grid->setColumnStretch(5, 1);
}

void TfmDateDetail::CreateNotes_() {
    tNotes = Named<QWidget>("tNotes");
    pDate->addTab(tNotes, "Notes");
    memNotes = Named<QPlainTextEdit>("memNotes", tNotes);
    memNotes->setAccessibleName("Notes");
    Bind_(memNotes, KEY_NOTE);
    auto* page = new QVBoxLayout(tNotes);
    page->setContentsMargins(10, 10, 10, 10);
    page->addWidget(memNotes);
}

void TfmDateDetail::ShowRecord(const tagCommDateRec* record) {
    if (!record)
        return;
    FillBound_(record);
    cbAlarm->setChecked(record->nAlarm != 0);
    cbPrivate->setChecked(record->nPrivate != 0);
    cbAllday->setChecked(record->nAllDayEvent != 0);
    ShowRepeatKind_(*record);
    ShowRepeatRange_(*record);
}

// Only the tab of the record's repetition stays; the weekdays are not shown.
void TfmDateDetail::ShowRepeatKind_(const tagCommDateRec& record) {
    auto keepOnly = [this](QWidget* kept, QLineEdit* interval, int value) {
        for (QWidget* tab : {tDaily, tWeekly, tMonthly, tYearly})
            pRecur->setTabVisible(pRecur->indexOf(tab), tab == kept);
        pRecur->setCurrentWidget(kept);
        interval->setText(QString::number(value));
    };
    const int interval = record.nRepeatInterval;
    switch (record.nRepeatKind) {
    case 0:
        pDate->setTabVisible(pDate->indexOf(tRecur), false);
        break;
    case 1:
        keepOnly(tDaily, edtRecurDays, interval);
        break;
    case 2:
        keepOnly(tWeekly, edtRecurWeeks, interval);
        break;
    case 3:
    case 4:
        keepOnly(tMonthly, edtRecurMonths, interval);
        (record.nRepeatKind == 4 ? rbtnDate : rbtnDay)->setChecked(true);
        break;
    case 5:
    case 6:
        keepOnly(tYearly, edtRecurYears, interval);
        break;
    default:
        break;
    }
}

void TfmDateDetail::ShowRepeatRange_(const tagCommDateRec& record) {
    const SYSTEMTIME& start = record.stRepeatStart;
    if (start.wMonth != 0 && start.wDay != 0 && start.wYear != 0)
        edtRecurStart->setText(DateText(start));
    else
        edtRecurStart->setText(RecordQText(FieldText, &record, KEY_DATE, kTimeTextSize));
    if (record.bRepeatUntil && record.stRepeatUntil.wYear < kNoEndYear) {
        rbtnEndBy->setChecked(true);
        edtRecurEnd->setText(DateText(record.stRepeatUntil));
    } else {
        rbtnNoEnd->setChecked(true);
    }
}
