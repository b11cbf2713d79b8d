// Load of the Task documents of the mail database.
#include "common/lotus/exchange/CxLNTask.h"

#include "common/lotus/engine/CxLNLoadVisit.h"
#include "common/lotus/engine/CxLNMailDB.h"
#include "common/lotus/engine/CxLNTaskItems.h"

using Visit = LNLoadVisit<CxLNTaskUtil, tagCxLNTaskRec, kLNTaskItems>;

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
    Visit::Visit,
    Visit::SetRunning,
};

bool CxLNTaskUtil::LoadFromDB() {
    return LNLoadMailDB(this, kLNTaskMailKind);
}
