// Load of the Appointment documents of the mail database.
#include "common/lotus/exchange/CxLNDate.h"

#include "common/lotus/engine/CxLNDateItems.h"
#include "common/lotus/engine/CxLNLoadVisit.h"
#include "common/lotus/engine/CxLNMailDB.h"

using Visit = LNLoadVisit<CxLNDateUtil, tagCxLNDateRec, kLNDateItems>;

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
    Visit::Visit,
    Visit::SetRunning,
};

bool CxLNDateUtil::LoadFromDB() {
    return LNLoadMailDB(this, kLNDateMailKind);
}
