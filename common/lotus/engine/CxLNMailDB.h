// Load and write-back of the kinds that live in the user's mail database
// (calendar entries and tasks): the user ID switch, then the same steps as
// the contacts with each kind's texts.
#pragma once
#include <functional>

#include "nsfsearc.h"

class CxLNBaseUtil;

struct tagLNMailKind {
    const char* szFormula;
    // Load.
    const char* szOpenStatus;
    const char* szOpenLog;    // takes the path
    const char* szOpenFailed; // path, status, status text
    const char* szSearchLog;
    const char* szSearchStatus; // null: none
    const char* szSearchFailed;
    const char* szCloseFailed;
    const char* szClosed;
    // Write-back.
    const char* szSaveOpenLog;    // takes the path
    const char* szSaveOpenFailed; // path, status
    const char* szSaved;
    // Document visit of the search; `setRunning` sets the kind's running object.
    NSFSEARCHPROC pVisit;
    void (*pSetRunning)(CxLNBaseUtil* util);
};

// LoadFromDB of a mail-database kind.
bool LNLoadMailDB(CxLNBaseUtil* util, const tagLNMailKind& kind);

// SaveToDB of a mail-database kind; `writeRecords` writes every record back.
bool LNSaveMailDB(CxLNBaseUtil* util, const tagLNMailKind& kind,
                  const std::function<void(DBHANDLE)>& writeRecords);
