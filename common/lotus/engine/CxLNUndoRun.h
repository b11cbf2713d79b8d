// A helper run of mode 3: the undo of a journaled run. The exchange file of
// the run is a request the wizard writes ({"run": NAME, "dry_run": BOOL});
// the helper adds a line with the outcome ({"restored", "left", "lines",
// "undo_run"}).
#pragma once
#include <functional>

#include "nsfdata.h"

class CxLNBaseUtil;
struct tagLNRunTarget;

// `saveToDB` opens the kind's database as a write-back does; the undo runs
// inside it, through LNRunPendingUndo.
bool LNUndoRun(CxLNBaseUtil* util, const tagLNRunTarget& target,
               const std::function<bool()>& saveToDB);

// Called by every write-back with its open database: the undo in progress, if any.
void LNRunPendingUndo(CxLNBaseUtil* owner, DBHANDLE db);
