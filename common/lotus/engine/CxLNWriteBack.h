// The write-back decision for one record: create, modify or delete its
// document by the record's action and origin. Per-record failures are
// logged and reported; the caller goes on with the next record.
#pragma once
#include <cstdint>
#include <string>

#include "common/lotus/engine/CxLNChangeGroup.h"
#include "common/lotus/engine/CxLNItemWrite.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/engine/CxLNUndoRun.h"
#include "common/lotus/exchange/CxLNRecStore.h"

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

// A record of the exchange file could not be read again as it was: the
// write-back stops there, and says why.
void LNReportUnreadRecord(CxLNBaseUtil* owner, const std::string& why);

// LNWriteBackRecord for each record of `util`'s list, in list order, until
// the run must stop (CxLNRunStop.h). Records are read one at a time.
template <class Util>
void LNWriteBackRecords(Util* util, DBHANDLE db, const tagLNWriteBackKind& kind) {
    LNResetRunStop();
    bool read = true;
    {
        // The store holds only the records the write-back acts on.
        CxLNChangeGroup group(util, db, static_cast<long>(util->GetRecStore()->Count()));
        read = util->ForEachRecord([&](const typename Util::Rec* rec) {
            if (!LNStopReason().empty())
                return false;
            LNWriteBackRecord(util, &group, db, kind, {rec->nAction, rec->nOrigin, rec->szID},
                              rec);
            return true;
        });
    }
    if (!read && LNStopReason().empty())
        LNReportUnreadRecord(util, util->GetRecStore()->Damage());
    LNReportStopped(util, "write-back");
    LNRunPendingUndo(util, db);
}

// Logs "Failed to call <call>, error code=%d" as an error line and reports
// it; a busy database is given up on for the run.
void LNReportCallFailure(CxLNBaseUtil* owner, const char* call, STATUS status);
