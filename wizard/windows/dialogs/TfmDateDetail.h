// A calendar entry's fields and repetition, view only.
#pragma once
#include "common/pim/CommDateMgr.h"
#include "wizard/windows/dialogs/DetailDialog.h"

class QRadioButton;
class QTabWidget;

class TfmDateDetail : public CxKindDetailDialog<CommDateMgr, tagCommDateRec> {
    Q_OBJECT
public:
    explicit TfmDateDetail(QWidget* parent);
    // Fills every control from the record; null fills nothing.
    void ShowRecord(const tagCommDateRec* record);

    QTabWidget* pDate;
    QWidget* tGen;
    QWidget* tRecur;
    QWidget* tNotes;

    QLineEdit* edtDesc;
    QLineEdit* edtDate;
    QLineEdit* edtStartTime;
    QLineEdit* edtEndTime;
    QLineEdit* edtLocation;
    QLineEdit* edtCategory;
    QCheckBox* cbAlarm;
    QCheckBox* cbPrivate;
    QCheckBox* cbAllday;

    QTabWidget* pRecur;
    QWidget* tDaily;
    QLineEdit* edtRecurDays;
    QWidget* tWeekly;
    QLineEdit* edtRecurWeeks;
    QCheckBox* cbMonday;
    QCheckBox* cbTuesday;
    QCheckBox* cbWednesday;
    QCheckBox* cbThursday;
    QCheckBox* cbFriday;
    QCheckBox* cbSaturday;
    QCheckBox* cbSunday;
    QWidget* tMonthly;
    QLineEdit* edtRecurMonths;
    QRadioButton* rbtnDate;
    QRadioButton* rbtnDay;
    QWidget* tYearly;
    QLineEdit* edtRecurYears;
    QGroupBox* gbRange;
    QLineEdit* edtRecurStart;
    QRadioButton* rbtnNoEnd;
    QRadioButton* rbtnEndBy;
    QLineEdit* edtRecurEnd;

    QPlainTextEdit* memNotes;

private:
    void CreateGeneral_();
    void CreateRecurrence_();
    void CreateRepeatTabs_();
    void CreateWeekly_();
    void CreateMonthly_();
    void CreateRange_();
    void CreateNotes_();
    void ShowRepeatKind_(const tagCommDateRec& record);
    void ShowRepeatRange_(const tagCommDateRec& record);
};
