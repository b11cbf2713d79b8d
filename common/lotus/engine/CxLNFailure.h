// The failures of a helper run: each keeps its own log line and also becomes
// an error entry with the Notes text of its status, so that the wizard can
// tell the user why.
#pragma once
#include <string>

#include "global.h"

class CxLNBaseUtil;

// Logs `line` as an error line and reports it as an error entry, followed by
// "; message=" and the Notes text of `status` (unless the line holds it
// already) and then by `more`.
void LNReportFailure(CxLNBaseUtil* util, const char* line, STATUS status = NOERROR,
                     const std::string& more = std::string());

// The same for a line whose one value is the status ("..., error code=%d").
void LNReportStatusFailure(CxLNBaseUtil* util, const char* format, STATUS status);

// API start of a load or a write-back; a failure logs "Failed to initialize
// Notes API." and reports it with the reason.
bool LNStartApi(CxLNBaseUtil* util);

// Where Notes looked for a database it did not find under a relative path
// (its data folder), as the tail of an error entry; empty otherwise.
std::string LNWhereNotesLooked(const char* path, STATUS status);
