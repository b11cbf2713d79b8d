// Tasks: update of stored records (library build); they match by the catalogue.
#include "common/pim/CommMatch.h"
#include "common/pim/CommTaskMgr.h"

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
