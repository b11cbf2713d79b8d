// Tasks: matching and update of stored records (library build).
#include "common/pim/CommMatch.h"
#include "common/pim/CommTaskMgr.h"

namespace {

enum {
    KEY_SUBJECT = 0,
    KEY_NOTE = 1,
    KEY_PRIORITY = 2,
    KEY_COMPLETED = 3,
    KEY_DUE_DATE = 4,
    KEY_ALARM = 5,
    KEY_PRIVATE = 6,
    KEY_CATEGORY = 7,
};

} // namespace

int CommTaskMgr::FindRec(const tagCommTaskRec* record, int* position) const {
    return CommFindRec(*this, m_pRecords, record, position);
}

bool CommTaskMgr::IsFieldEqual(int key, const tagCommTaskRec* a, const tagCommTaskRec* b) const {
    switch (key) {
    case KEY_SUBJECT:
        return CommTextEqual(a->szSubject, b->szSubject, 0);
    case KEY_NOTE:
        return CommTextEqual(a->szNote, b->szNote, 0);
    case KEY_PRIORITY:
        return a->nPriority == b->nPriority;
    case KEY_COMPLETED:
        return a->bCompleted == b->bCompleted;
    case KEY_DUE_DATE:
        return a->nDueDate == b->nDueDate;
    case KEY_ALARM:
        return a->bAlarm == b->bAlarm;
    case KEY_PRIVATE:
        return a->bPrivate == b->bPrivate;
    case KEY_CATEGORY:
        return CommTextEqual(a->szCategory, b->szCategory, 0);
    default:
        return true;
    }
}

// Subject and note unless empty; priority, state, due date and flags always.
bool CommTaskMgr::UpdateRec(int position, const tagCommTaskRec* record) {
    tagCommTaskRec* stored = CommRecAt<tagCommTaskRec>(m_pRecords, position);
    if (!stored || !record)
        return false;
    CommTakeText(stored->szSubject, record->szSubject, false);
    CommTakeText(stored->szNote, record->szNote, false);
    stored->nPriority = record->nPriority;
    stored->bCompleted = record->bCompleted;
    stored->nDueDate = record->nDueDate;
    stored->bAlarm = record->bAlarm;
    stored->bPrivate = record->bPrivate;
    return true;
}
