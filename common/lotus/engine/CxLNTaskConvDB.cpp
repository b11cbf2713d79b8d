// Common task to Notes task.
#include "common/lotus/exchange/CxLNTask.h"

#include "common/lotus/binding/CxLNCommon.h"
#include "common/lotus/exchange/CxLNText.h"

namespace {

int32_t ImportanceOfPriority(int32_t priority) {
    return priority == 1 ? 0 : priority == 2 ? 2 : 1;
}

} // namespace

bool CxLNTaskUtil::FromCommRec(tagCommTaskRec* common, tagCxLNTaskRec* notes) {
    if (!common || !notes)
        return false;
    LNCopyText(notes->szSubject, common->szSubject, 255);
    LNCopyText(notes->szBody, common->szNote, 8191);
    notes->nImportance = ImportanceOfPriority(common->nPriority);
    if (common->nDueDate == 0)
        notes->dtDueDate = 0.0;
    else
        SecondsToVariantTime(common->nDueDate, &notes->dtDueDate);
    notes->bPrivate = common->bPrivate != 0;
    return true;
}
