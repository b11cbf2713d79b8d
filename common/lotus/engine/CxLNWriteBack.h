// The write-back decision for one record: create, modify or delete its
// document by the record's action and origin. Per-record failures are
// logged and reported; the caller goes on with the next record.
#pragma once
#include <cstdint>

#include "common/lotus/engine/CxLNChangeGroup.h"
#include "common/lotus/engine/CxLNItemWrite.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/engine/CxLNUndoRun.h"
#include "common/misc/CxList.h"

class CxLNBaseUtil;

struct tagLNWriteBackKind {
    const char* szCreate; // level 2 log lines; modify and delete take the note ID
    const char* szModify;
    const char* szDelete;
    void (*pCreateItems)(NOTEHANDLE note, const void* rec); // items of a new document
    bool (*pWriteItems)(const void* rec, const tagLNItemWriter& writer);
};

struct tagLNRecHeader {
    int32_t nAction;
    int32_t nOrigin;
    const char* szID;
};

// The change goes to `group`, which stores it.
void LNWriteBackRecord(CxLNBaseUtil* owner, CxLNChangeGroup* group, DBHANDLE db,
                       const tagLNWriteBackKind& kind, const tagLNRecHeader& header,
                       const void* rec);

// LNWriteBackRecord for each record of `records`, in list order, until the
// run must stop (CxLNRunStop.h).
template <class Rec>
void LNWriteBackRecords(CxLNBaseUtil* owner, DBHANDLE db, const tagLNWriteBackKind& kind,
                        CxList* records) {
    LNResetRunStop();
    {
        CxLNChangeGroup group(owner, db);
        for (void* p = records->GetFirst(); p && LNStopReason().empty(); p = records->GetNext()) {
            const Rec* rec = static_cast<const Rec*>(p);
            LNWriteBackRecord(owner, &group, db, kind, {rec->nAction, rec->nOrigin, rec->szID},
                              rec);
        }
    }
    LNReportStopped(owner, "write-back");
    LNRunPendingUndo(owner, db);
}

// Logs "Failed to call <call>, error code=%d" as an error line and reports
// it; a busy database is given up on for the run.
void LNReportCallFailure(CxLNBaseUtil* owner, const char* call, STATUS status);
