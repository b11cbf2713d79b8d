// Tasks: the field catalogue and single-record editing (library build). Task
// fields give no texts and set no common fields.
#include "common/lotus/exchange/CxLNTask.h"

#include "common/lotus/engine/CxLNFieldCatalog.h"
#include "common/lotus/engine/CxLNRecordEdit.h"

namespace {

#define ROW(id, label, type, member) LN_FIELD_ROW(tagCxLNTaskRec, id, label, type, member)

// Positions 18 to 30 hold empty entries.
const tagLNFieldRow kRows[30] = {
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
};

#undef ROW

const tagLNCatalog kCatalog = {kRows, sizeof kRows / sizeof kRows[0] + 1, false, nullptr, 0};

using Edit = CxLNRecordEdit<CxLNTaskUtil>;

} // namespace

unsigned long CxLNTaskUtil::GetFieldCount() {
    return kCatalog.nCount;
}

const tagLNRecField* CxLNTaskUtil::GetFieldInfo(unsigned long position) {
    return LNCatalogEntry(kCatalog, position);
}

bool CxLNTaskUtil::GetFieldInfo(unsigned long position, tagLNRecField* out) {
    return LNCatalogCopy(kCatalog, position, out);
}

const char* CxLNTaskUtil::GetFieldName(unsigned long position) {
    return LNCatalogName(kCatalog, position);
}

char* CxLNTaskUtil::GetFieldText(tagCxLNTaskRec* record, unsigned long id) {
    return LNCatalogText(kCatalog, record, id);
}

// No field gives a value of its own.
void* CxLNTaskUtil::GetFieldValue(tagCxLNTaskRec*, unsigned long) {
    return nullptr;
}

bool CxLNTaskUtil::SetFieldValueByText(unsigned long id, const char* text, tagCommTaskRec* common) {
    return LNCatalogSetText(kCatalog, id, text, common);
}

bool CxLNTaskUtil::AddRecord(tagCommTaskRec* common, bool submit) {
    return Edit::Add(this, common, submit);
}

bool CxLNTaskUtil::UpdateRecord(tagCommTaskRec* common, int position, bool submit) {
    return Edit::Update(this, common, position, submit);
}

bool CxLNTaskUtil::DelRecord(tagCommTaskRec* common, bool submit) {
    return Edit::Del(this, common, submit);
}

bool CxLNTaskUtil::SyncRecord(tagCommTaskRec* common, bool submit) {
    return Edit::Sync(this, common, submit);
}
