// Calendar: the field catalogue, field texts, setting common fields from text
// and single-record editing (library build).
#include "common/lotus/exchange/CxLNDate.h"

#include "common/lotus/engine/CxLNFieldCatalog.h"
#include "common/lotus/engine/CxLNRecordEdit.h"

namespace {

#define ROW(id, label, type, member) LN_FIELD_ROW(tagCxLNDateRec, id, label, type, member)

// Sizes are the record fields' own: "Repeats" holds 10 bytes, the time
// zones 64, so no reader runs past them.
// Positions 14 to 27 hold empty entries.
const tagLNFieldRow kRows[27] = {
    ROW(0, "Subject", TEXT, szSubject),
    ROW(1, "Location", TEXT, szLocation),
    ROW(2, "Repeats", TEXT, szRepeats),
    ROW(3, "Resources", TEXT, szResources),
    ROW(4, "Body", TEXT, szBody),
    ROW(5, "End Date", DATE, dtEndDate),
    ROW(6, "End Date & Time", DATE, dtEndDateTime),
    ROW(7, "End Time", DATE, dtEndTime),
    ROW(8, "Start Date", DATE, dtStartDate),
    ROW(9, "Start Date & Time", DATE, dtStartDateTime),
    ROW(10, "Start Time", DATE, dtStartTime),
    ROW(11, "Start Time Zone", TEXT, szStartTimeZone),
    ROW(12, "End Time Zone", TEXT, szEndTimeZone),
};

#undef ROW

const tagLNCommTextRow kCommTexts[] = {
    LN_COMM_TEXT_ROW(tagCommDateRec, 0, szDescription, 255),
    LN_COMM_TEXT_ROW(tagCommDateRec, 1, szLocation, 255),
    LN_COMM_TEXT_ROW(tagCommDateRec, 4, szNote, 8191),
};

const tagLNCatalog kCatalog = {kRows, sizeof kRows / sizeof kRows[0] + 1, true, kCommTexts,
                               sizeof kCommTexts / sizeof kCommTexts[0]};

using Edit = CxLNRecordEdit<CxLNDateUtil>;

} // namespace

unsigned long CxLNDateUtil::GetFieldCount() {
    return kCatalog.nCount;
}

const tagLNRecField* CxLNDateUtil::GetFieldInfo(unsigned long position) {
    return LNCatalogEntry(kCatalog, position);
}

bool CxLNDateUtil::GetFieldInfo(unsigned long position, tagLNRecField* out) {
    return LNCatalogCopy(kCatalog, position, out);
}

const char* CxLNDateUtil::GetFieldName(unsigned long position) {
    return LNCatalogName(kCatalog, position);
}

char* CxLNDateUtil::GetFieldText(tagCxLNDateRec* record, unsigned long id) {
    return LNCatalogText(kCatalog, record, id);
}

// No field gives a value of its own.
void* CxLNDateUtil::GetFieldValue(tagCxLNDateRec*, unsigned long) {
    return nullptr;
}

bool CxLNDateUtil::SetFieldValueByText(unsigned long id, const char* text, tagCommDateRec* common) {
    return LNCatalogSetText(kCatalog, id, text, common);
}

bool CxLNDateUtil::AddRecord(tagCommDateRec* common, bool submit) {
    return Edit::Add(this, common, submit);
}

bool CxLNDateUtil::UpdateRecord(tagCommDateRec* common, int position, bool submit) {
    return Edit::Update(this, common, position, submit);
}

bool CxLNDateUtil::DelRecord(tagCommDateRec* common, bool submit) {
    return Edit::Del(this, common, submit);
}

bool CxLNDateUtil::SyncRecord(tagCommDateRec* common, bool submit) {
    return Edit::Sync(this, common, submit);
}
