// When a helper run ends before its work is done: the front end asked for it
// (SIGTERM), the front end has ended, or the database stayed busy through one
// bounded wait. Every document of a load, a write-back or an undo asks first,
// so the run stops between documents and its journal stays true.
#pragma once
#include <string>

#include "global.h"
#include "oserr.h"

class CxLNBaseUtil;

// Why the run must stop before its next document; empty while it may go on.
std::string LNStopReason();

// A store's failed status: when it says the database is busy, the run gives
// up on the database, once for the run rather than once a document.
void LNTakeStoreStatus(STATUS status);

// Tells `owner` once that its `work` ("write-back", "undo", "load") stopped
// before its end, and why.
void LNReportStopped(CxLNBaseUtil* owner, const char* work);

// The status or error file could not be written (`why`): the front end would
// read a run that went well, so the run stops.
void LNStopForReport(const std::string& why);
// A helper run starts with its report unbroken (LNResetRunStop keeps it).
void LNResetReportStop();

// A new run in the same process (tests) starts with nothing given up.
void LNResetRunStop();
