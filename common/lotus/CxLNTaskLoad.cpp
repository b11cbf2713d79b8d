// Load of the Task documents of the mail database.
#include "CxLNTask.h"

#include "common/lotus/CxLNMailDB.h"
#include "common/lotus/CxLNTaskItems.h"

namespace {

// The object whose load is in progress; the document visit adds to it.
CxLNTaskUtil* g_pRunning = nullptr;

STATUS LNCALLBACK VisitDocument(void* argument, SEARCH_MATCH* match, ITEM_TABLE*) {
    if (!g_pRunning)
        return 1;
    NOTEID id = 0;
    if (!LNMatchedNote(match, &id))
        return NOERROR;
    const DBHANDLE db = *static_cast<const DBHANDLE*>(argument);
    tagCxLNTaskRec rec;
    if (LNReadDocument(g_pRunning, db, id, kLNTaskItems, &rec, sizeof rec, rec.szID,
                       sizeof rec.szID))
        g_pRunning->AddRec(&rec);
    return NOERROR;
}

void SetRunning(CxLNBaseUtil* util) {
    g_pRunning = static_cast<CxLNTaskUtil*>(util);
}

} // namespace

const tagLNMailKind kLNTaskMailKind = {
    "Select Form=\"Task\"",
    "Open Lotus Notes Task database.",
    "Open Lotus Notes task database: %s",
    "Can not open Lotus Notes Task file: %s, error code=%d; message=%s",
    "Search Notes task database...",
    nullptr,
    "Failed to search Lotus Notes Task database, error code=%d",
    "Failed to close Lotus Notes Task database, error code=%d",
    "Close Notes task database successfully.",
    "Open Lotus Notes Task database: %s",
    "Can no open Lotus Notes Task Database file: %s, error code=%d",
    "Close Notes Task database successfully.",
    VisitDocument,
    SetRunning,
};

bool CxLNTaskUtil::LoadFromDB() {
    return LNLoadMailDB(this, kLNTaskMailKind);
}
