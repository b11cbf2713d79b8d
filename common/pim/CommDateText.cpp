// Calendar catalogue lookup and text forms (wizard build).
#include "common/misc/CxDateTime.h"
#include "common/misc/CxString.h"
#include "common/pim/CommDateMgr.h"
#include "common/pim/CommFieldText.h"

namespace {

const tagCommFieldInfo kRows[] = {
    {1, "Description", COMM_FIELD_NONE, 256},  {2, "Start Time", COMM_FIELD_NONE, 32},
    {3, "End Time", COMM_FIELD_NONE, 32},      {4, "Start Date Time", COMM_FIELD_NONE, 32},
    {5, "End Date Time", COMM_FIELD_NONE, 32}, {6, "Date", COMM_FIELD_NONE, 32},
    {7, "Note", COMM_FIELD_NONE, 4096},        {8, "Private", COMM_FIELD_NONE, 8},
    {9, "Location", COMM_FIELD_NONE, 256},     {10, "Importance", COMM_FIELD_NONE, 8},
    {11, "Category", COMM_FIELD_NONE, 32},     {12, "Alarm", COMM_FIELD_NONE, 8},
    {13, "All Day Event", COMM_FIELD_NONE, 8}, {14, "Repeat", COMM_FIELD_NONE, 256},
};
const int kRowCount = sizeof(kRows) / sizeof(kRows[0]);

enum Form { FORM_TIME, FORM_DATE_TIME, FORM_DATE };

void TimeText(const SYSTEMTIME& st, Form form, char* buffer, std::size_t size) {
    CxDateTime value;
    value.SetSysTime(st);
    char text[32];
    if (form == FORM_TIME)
        value.FormatTime(text);
    else if (form == FORM_DATE_TIME)
        value.FormatDateTime(text);
    else
        value.FormatDate(text);
    CxStrCopy(buffer, size, text);
}

void PutText(const tagCommDateRec& rec, int key, char* buffer, std::size_t size) {
    switch (key) {
    case 1:
        CommCopyField(buffer, size, rec.szDescription);
        break;
    case 7:
        CommCopyField(buffer, size, rec.szNote);
        break;
    case 8:
        CxStrCopy(buffer, size, CommYesNo(rec.nPrivate));
        break;
    case 9:
        CommCopyField(buffer, size, rec.szLocation);
        break;
    case 11:
        CommCopyField(buffer, size, rec.szCategory);
        break;
    case 12:
        CxStrCopy(buffer, size, CommYesNo(rec.nAlarm));
        break;
    case 13:
        CxStrCopy(buffer, size, CommYesNo(rec.nAllDayEvent));
        break;
    case 14:
        CxStrCopy(buffer, size, "Repeat Info");
        break;
    default:
        break; // no text form: stays empty
    }
}

} // namespace

bool CommDateMgr::GetCommFieldInfo(int key, tagCommFieldInfo* row) {
    return CommCopyRow(kRows, kRowCount, key, row);
}

bool CommDateMgr::GetCommFieldText(const tagCommDateRec* record, const tagCommFieldInfo* row,
                                   char* buffer, std::size_t size) {
    if (!record || !row || !CommBeginText(buffer, size))
        return false;
    switch (row->nKey) {
    case 2:
        TimeText(record->stStart, FORM_TIME, buffer, size);
        break;
    case 3:
        TimeText(record->stEnd, FORM_TIME, buffer, size);
        break;
    case 4:
        TimeText(record->stStart, FORM_DATE_TIME, buffer, size);
        break;
    case 5:
        TimeText(record->stEnd, FORM_DATE_TIME, buffer, size);
        break;
    case 6:
        TimeText(record->stStart, FORM_DATE, buffer, size);
        break;
    default:
        PutText(*record, row->nKey, buffer, size);
        break;
    }
    return true;
}
