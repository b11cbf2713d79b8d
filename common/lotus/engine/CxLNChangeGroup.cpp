#include "CxLNChangeGroup.h"

#include <algorithm>
#include <cerrno>
#include <string>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNJournal.h"
#include "common/lotus/engine/CxLNLoadState.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/engine/CxLNWriteBack.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNStoredStatus.h"

void CxLNChangeGroup::Store(NOTEHANDLE note, NOTEID id, const char* action,
                            const LNRawItems& before) {
    const long entry = LNJournalAhead(m_pOwner, action, id, before, LNJournalItems(note));
    if (entry < 0)
        LNApi().NSFNoteClose(note);
    else
        Add_({note, id, entry});
}

void CxLNChangeGroup::Delete(NOTEID id, const LNRawItems& before) {
    const long entry = LNJournalAhead(m_pOwner, "delete", id, before, LNRawItems());
    if (entry >= 0)
        Add_({NULLHANDLE, id, entry});
}

void CxLNChangeGroup::Settle(NOTEID id) {
    const auto same = [id](const tagWaiting& waiting) { return waiting.nID == id; };
    if (id != 0 && std::any_of(m_waiting.begin(), m_waiting.end(), same))
        Flush();
}

void CxLNChangeGroup::Flush() {
    if (m_waiting.empty())
        return;
    // What the front end shows while it waits; said before the group too, so
    // a status that can not be written stops the run before it stores any.
    ReportStored_();
    const bool journaled = LNJournal().Sync();
    const int error = errno;
    for (const tagWaiting& waiting : m_waiting) {
        if (!journaled)
            Drop_(waiting, error);
        else if (!LNStopReason().empty())
            Skip_(waiting);
        else
            Apply_(waiting);
    }
    m_waiting.clear();
    ReportStored_();
}

void CxLNChangeGroup::ReportStored_() {
    const std::string status = LNStoredStatusText(m_nStored, m_nTotal);
    m_pOwner->ReportStatus(status.c_str());
}

// The run stops: the document stays as it is, and its entry says so.
void CxLNChangeGroup::Skip_(const tagWaiting& waiting) {
    LNJournalDone(waiting.nEntry, waiting.nID, false);
    if (waiting.hNote)
        LNApi().NSFNoteClose(waiting.hNote);
}

void CxLNChangeGroup::Add_(const tagWaiting& waiting) {
    m_waiting.push_back(waiting);
    if (m_waiting.size() >= kSize)
        Flush();
}

void CxLNChangeGroup::Apply_(const tagWaiting& waiting) {
    if (waiting.hNote ? ApplyStore_(waiting) : ApplyDelete_(waiting))
        ++m_nStored;
}

bool CxLNChangeGroup::ApplyDelete_(const tagWaiting& waiting) {
    const STATUS status = LNApi().NSFNoteDelete(m_hDB, waiting.nID, 0);
    if (status != NOERROR)
        LNReportCallFailure(m_pOwner, "NSFNoteDelete", status);
    else
        LNNoteDeleted(waiting.nID);
    LNJournalDone(waiting.nEntry, waiting.nID, status == NOERROR);
    return status == NOERROR;
}

bool CxLNChangeGroup::ApplyStore_(const tagWaiting& waiting) {
    STATUS status = LNApi().NSFNoteUpdate(waiting.hNote, 0);
    // A new document has its note ID from the update on.
    NOTEID stored = waiting.nID;
    LNApi().NSFNoteGetInfo(waiting.hNote, _NOTE_ID, &stored);
    if (status != NOERROR)
        LNReportCallFailure(m_pOwner, "NSFNoteUpdate", status);
    else
        LNNoteUpdated(waiting.hNote, stored);
    const bool updated = status == NOERROR;
    LNJournalDone(waiting.nEntry, stored, updated);
    status = LNApi().NSFNoteClose(waiting.hNote);
    if (status != NOERROR)
        LNReportCallFailure(m_pOwner, "NSFNoteClose", status);
    return updated;
}

// The document stays as it is: `error` says why its entry could not be put
// on the disk.
void CxLNChangeGroup::Drop_(const tagWaiting& waiting, int error) {
    errno = error;
    LNReportJournalFailure(m_pOwner, waiting.nID);
    if (waiting.hNote)
        LNApi().NSFNoteClose(waiting.hNote);
}
