// What a successful write-back leaves behind in a data object's records:
// records written to their documents are done, and records whose documents
// were deleted go together with their common records. Without this every
// later write-back would create the added documents once more.
#pragma once
#include <vector>

#include "common/lotus/exchange/CxLNRecList.h"
#include "common/lotus/exchange/CxLNRecords.h"

template <class Comm, class Rec, class Mgr> void LNResetWrittenRecs(CxList* list, Mgr* mgr) {
    std::vector<Rec*> deleted;
    for (void* p = list->GetFirst(); p; p = list->GetNext()) {
        Rec* rec = static_cast<Rec*>(p);
        if (rec->nAction == LN_ACTION_WRITE)
            rec->nAction = LN_ACTION_NONE;
        else if (rec->nAction == LN_ACTION_DELETE)
            deleted.push_back(rec);
    }
    for (Rec* rec : deleted)
        LNDelRec<Comm>(list, mgr, rec);
}
