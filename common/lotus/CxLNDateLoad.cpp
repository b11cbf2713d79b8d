// Load of the Appointment documents of the mail database.
#include "CxLNDate.h"

#include "common/lotus/CxLNDateItems.h"
#include "common/lotus/CxLNMailDB.h"

namespace {

// The object whose load is in progress; the document visit adds to it.
CxLNDateUtil* g_pRunning = nullptr;

STATUS LNCALLBACK VisitDocument(void* argument, SEARCH_MATCH* match, ITEM_TABLE*) {
    if (!g_pRunning)
        return 1;
    NOTEID id = 0;
    if (!LNMatchedNote(match, &id))
        return NOERROR;
    const DBHANDLE db = *static_cast<const DBHANDLE*>(argument);
    tagCxLNDateRec rec;
    if (LNReadDocument(g_pRunning, db, id, kLNDateItems, &rec, sizeof rec, rec.szID,
                       sizeof rec.szID))
        g_pRunning->AddRec(&rec);
    return NOERROR;
}

void SetRunning(CxLNBaseUtil* util) {
    g_pRunning = static_cast<CxLNDateUtil*>(util);
}

} // namespace

const tagLNMailKind kLNDateMailKind = {
    "Select Form=\"Appointment\"",
    "Open Lotus Notes Calendar database.",
    "Open Lotus Notes Calendar database: %s",
    "Can not open Lotus Notes Calendar file: %s, error code=%d; message=%s",
    "Search Notes calendar database...",
    "Search Lotus Notes Calendar database...",
    "Failed to search Lotus Notes Calendar database, error code=%d",
    "Failed to close Lotus Notes Calendar database, error code=%d",
    "Close Notes calendar database successfully.",
    "Open Lotus Notes Calendar database: %s",
    "Can no open Lotus Notes Calendar Database file: %s, error code=%d",
    "Close Lotus Notes Calendar database successfully.",
    VisitDocument,
    SetRunning,
};

bool CxLNDateUtil::LoadFromDB() {
    return LNLoadMailDB(this, kLNDateMailKind);
}
