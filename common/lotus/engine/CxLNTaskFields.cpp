// Tasks: the field catalogue (library build). Task fields give no texts and
// set no common fields.
#include "CxLNFieldCatalog.h"
#include "common/lotus/exchange/CxLNTask.h"

namespace {

#define ROW(id, label, type, member) LN_FIELD_ROW(tagCxLNTaskRec, id, label, type, member)

const tagLNFieldRow kRows[] = {
    ROW(0, "Subject", TEXT, szSubject),
    ROW(1, "Body", TEXT, szBody),
    ROW(2, "Repeats", TEXT, szRepeats),
    ROW(3, "Categories", TEXT, szCategories),
    ROW(4, "Importance", INT, nImportance),
    ROW(5, "Private", FLAG, bPrivate),
    ROW(6, "Task Type", TEXT, szTaskType),
    ROW(7, "Due Date", DATE, dtDueDate),
    ROW(8, "Start Date", DATE, dtStartDate),
    ROW(9, "End Date", DATE, dtEndDate),
    ROW(10, "Due State", INT, nDueState),
    ROW(11, "Alarm", INT, nAlarm),
    ROW(12, "Alarm Unit", TEXT, szAlarmUnit),
    ROW(13, "Alarm Memo Options", TEXT, szAlarmMemoOptions),
    ROW(14, "Alarm Description", TEXT, szAlarmDescription),
    ROW(15, "Alarm Offset", INT, nAlarmOffset),
    ROW(16, "Alarm String", TEXT, szAlarmString),
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
};

#undef ROW

const tagLNCatalog kCatalog = {kRows, sizeof kRows / sizeof kRows[0] + 1, false};

} // namespace

LN_CATALOG_OPERATIONS(CxLNTaskUtil, tagCxLNTaskRec, kCatalog)

char* CxLNTaskUtil::GetFieldText(tagCxLNTaskRec*, unsigned long) {
    return LNEmptyFieldText();
}

bool CxLNTaskUtil::SetFieldValueByText(unsigned long, const char*, tagCommTaskRec*) {
    return false;
}
