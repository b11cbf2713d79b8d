// Notes task to common task.
#include "CxLNTask.h"

#include <ctime>

#include "common/lotus/exchange/CxLNText.h"
#include "common/misc/CxDateTime.h"

namespace {

// Notes importance 0 high, 2 low, else normal; common priority 1 high, 2 low, else normal.
int32_t PriorityOfImportance(int32_t importance) {
    return importance == 0 ? 1 : importance == 2 ? 2 : 0;
}

// The common due date is a 32-bit seconds count, 0 for none.
void DueDateToComm(double dueDate, int32_t* seconds) {
    time_t value = 0;
    if (dueDate == 0.0)
        *seconds = 0;
    else if (VariantTimeToTimeT(dueDate, &value))
        *seconds = static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(value)));
}

} // namespace

bool CxLNTaskUtil::ToCommRec(tagCxLNTaskRec* notes, tagCommTaskRec* common) {
    if (!notes || !common)
        return false;
    LNCopyText(common->szSubject, notes->szSubject, 255);
    LNCopyText(common->szNote, notes->szBody, 8191);
    common->nPriority = PriorityOfImportance(notes->nImportance);
    DueDateToComm(notes->dtDueDate, &common->nDueDate);
    common->bPrivate = notes->bPrivate;
    common->nSource = 9;
    return true;
}
