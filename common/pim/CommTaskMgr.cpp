// The task manager's default key lists and the task catalogue (both builds).
#include "CommTaskMgr.h"

namespace {

const int32_t kMatchKeys[] = {0};
const int32_t kCompareKeys[] = {2, 4, 0, 0};

#define ROW(key, label, textSize, member, show, same)                                              \
    COMM_FIELD_ROW(tagCommTaskRec, key, label, NONE, textSize, member, show, same)

const tagCommFieldRow kRows[] = {
    ROW(0, "Subject", 256, szSubject, TEXT, TEXT),
    ROW(1, "Note", 8192, szNote, TEXT, TEXT),
    ROW(7, "Category", 256, szCategory, TEXT, TEXT),
    ROW(2, "Priority", 4, nPriority, PRIORITY, VALUE),
    ROW(3, "Completed", 4, bCompleted, YES_NO, VALUE),
    ROW(4, "DueDate", 4, nDueDate, DUE_DATE, VALUE),
    ROW(6, "Private", 4, bPrivate, YES_NO, VALUE),
    ROW(5, "Alarm", 4, bAlarm, YES_NO, VALUE),
};

#undef ROW

} // namespace

const tagCommFieldTable kCommTaskFields = {kRows, sizeof kRows / sizeof kRows[0], false};

CommTaskMgr::CommTaskMgr() : CxCommRecMgr(kMatchKeys, kCompareKeys) {}

CommTaskMgr::~CommTaskMgr() = default;
