// Task catalogue lookup and text forms (wizard build).
#include "common/misc/CxDateTime.h"
#include "common/misc/CxString.h"
#include "common/pim/CommFieldText.h"
#include "common/pim/CommTaskMgr.h"

namespace {

const tagCommFieldInfo kRows[] = {
    {0, "Subject", COMM_FIELD_NONE, 256},  {1, "Note", COMM_FIELD_NONE, 8192},
    {7, "Category", COMM_FIELD_NONE, 256}, {2, "Priority", COMM_FIELD_NONE, 4},
    {3, "Completed", COMM_FIELD_NONE, 4},  {4, "DueDate", COMM_FIELD_NONE, 4},
    {6, "Private", COMM_FIELD_NONE, 4},    {5, "Alarm", COMM_FIELD_NONE, 4},
};
const int kRowCount = sizeof(kRows) / sizeof(kRows[0]);

const char* PriorityText(int32_t priority) {
    return priority == 1 ? "High" : priority == 2 ? "Low" : "Normal";
}

// No due date and dates before 2000 read "N/A"; later ones their date
// text, which is empty after 2030.
void DueDateText(int32_t seconds, char* buffer, std::size_t size) {
    CxDateTime due;
    due.SetTimeT(static_cast<time_t>(seconds));
    if (seconds == 0 || !due.IsValid() || due.GetSysTime().wYear < 2000) {
        CxStrCopy(buffer, size, "N/A");
        return;
    }
    char text[32];
    due.FormatDate(text);
    CxStrCopy(buffer, size, text);
}

void PutText(const tagCommTaskRec& rec, int key, char* buffer, std::size_t size) {
    switch (key) {
    case 0:
        CommCopyField(buffer, size, rec.szSubject);
        break;
    case 1:
        CommCopyField(buffer, size, rec.szNote);
        break;
    case 2:
        CxStrCopy(buffer, size, PriorityText(rec.nPriority));
        break;
    case 3:
        CxStrCopy(buffer, size, CommYesNo(rec.bCompleted));
        break;
    case 5:
        CxStrCopy(buffer, size, CommYesNo(rec.bAlarm));
        break;
    case 6:
        CxStrCopy(buffer, size, CommYesNo(rec.bPrivate));
        break;
    case 7:
        CommCopyField(buffer, size, rec.szCategory);
        break;
    default:
        break; // no text form: stays empty
    }
}

} // namespace

bool CommTaskMgr::GetCommFieldInfo(int key, tagCommFieldInfo* row) {
    return CommCopyRow(kRows, kRowCount, key, row);
}

bool CommTaskMgr::GetCommFieldText(const tagCommTaskRec* record, const tagCommFieldInfo* row,
                                   char* buffer, std::size_t size) {
    if (!record || !row || !CommBeginText(buffer, size))
        return false;
    if (row->nKey == 4)
        DueDateText(record->nDueDate, buffer, size);
    else
        PutText(*record, row->nKey, buffer, size);
    return true;
}
