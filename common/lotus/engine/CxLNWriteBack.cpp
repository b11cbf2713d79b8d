#include "CxLNWriteBack.h"

#include <climits>
#include <cstdlib>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNJournal.h"
#include "common/lotus/engine/CxLNLoadState.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

// szID as a decimal number; no number and out-of-range texts give 0.
long NoteNumber(const char* szID) {
    if (!szID)
        return 0;
    char* end = nullptr;
    const long number = std::strtol(szID, &end, 10);
    return number > 0 && number <= static_cast<long>(UINT_MAX) ? number : 0;
}

void CreateDocument(CxLNBaseUtil* owner, CxLNChangeGroup* group, DBHANDLE db,
                    const tagLNWriteBackKind& kind, const void* rec) {
    CX_LOG_INFO("%s", kind.szCreate);
    NOTEHANDLE note = NULLHANDLE;
    STATUS status = LNApi().NSFNoteCreate(db, &note);
    if (status != NOERROR) {
        LNReportCallFailure(owner, "NSFNoteCreate", status);
        return;
    }
    kind.pCreateItems(note, rec);
    kind.pWriteItems(rec, tagLNItemWriter{note, 0, owner});
    group->Store(note, 0, "create", LNRawItems());
}

void ModifyDocument(CxLNBaseUtil* owner, CxLNChangeGroup* group, DBHANDLE db,
                    const tagLNWriteBackKind& kind, long number, const void* rec) {
    CX_LOG_INFO(kind.szModify, static_cast<int>(number));
    const NOTEID id = static_cast<NOTEID>(number);
    group->Settle(id);
    NOTEHANDLE note = NULLHANDLE;
    STATUS status = LNApi().NSFNoteOpen(db, id, 0, &note);
    if (status != NOERROR) {
        LNReportCallFailure(owner, "NSFNoteOpen", status);
        return;
    }
    if (!LNStillAsLoaded(owner, note, id)) {
        LNApi().NSFNoteClose(note);
        return;
    }
    const LNRawItems before = LNJournalItems(note);
    kind.pWriteItems(rec, tagLNItemWriter{note, id, owner});
    group->Store(note, id, "change", before);
}

void DeleteDocument(CxLNBaseUtil* owner, CxLNChangeGroup* group, DBHANDLE db,
                    const tagLNWriteBackKind& kind, long number) {
    CX_LOG_INFO(kind.szDelete, static_cast<int>(number));
    if (number <= 0)
        return;
    const NOTEID id = static_cast<NOTEID>(number);
    group->Settle(id);
    // One open serves the check and the journal; a document that can not be
    // opened is left for the delete to report.
    NOTEHANDLE note = NULLHANDLE;
    if (LNApi().NSFNoteOpen(db, id, 0, &note) != NOERROR) {
        group->Delete(id, LNRawItems());
        return;
    }
    const bool same = LNStillAsLoaded(owner, note, id);
    const LNRawItems before = LNJournalItems(note);
    LNApi().NSFNoteClose(note);
    if (same)
        group->Delete(id, before);
}

} // namespace

void LNReportCallFailure(CxLNBaseUtil* owner, const char* call, STATUS status) {
    char message[256];
    CxStrFormat(message, sizeof message, "Failed to call %s, error code=%d", call, status);
    LNTakeStoreStatus(status);
    if (owner)
        LNReportFailure(owner, message, status);
    else
        CX_LOG_ERROR("%s", message);
}

void LNReportUnreadRecord(CxLNBaseUtil* owner, const std::string& why) {
    const std::string text =
        (why.empty() ? std::string("A record of the exchange file can not be read") : why) +
        "; the write-back stopped there.";
    LNReportFailure(owner, text.c_str());
}

void LNWriteBackRecord(CxLNBaseUtil* owner, CxLNChangeGroup* group, DBHANDLE db,
                       const tagLNWriteBackKind& kind, const tagLNRecHeader& header,
                       const void* rec) {
    if (header.nAction == LN_ACTION_WRITE && header.nOrigin == LN_ORIGIN_NEW)
        CreateDocument(owner, group, db, kind, rec);
    else if (header.nAction == LN_ACTION_WRITE && header.nOrigin == LN_ORIGIN_MODIFIED)
        ModifyDocument(owner, group, db, kind, NoteNumber(header.szID), rec);
    else if (header.nAction == LN_ACTION_DELETE)
        DeleteDocument(owner, group, db, kind, NoteNumber(header.szID));
}
