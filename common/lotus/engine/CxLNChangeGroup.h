// Documents of a write-back or an undo are stored in groups. The journal
// entries of a whole group reach the disk with one sync before the first of
// its documents is stored, which keeps the journal ahead of the database at
// a small part of a sync per document. The outcome lines follow unsynced: an
// entry without one is settled by what its document holds.
#pragma once
#include <cstddef>
#include <vector>

#include "common/lotus/engine/CxLNNoteItems.h"

class CxLNBaseUtil;

class CxLNChangeGroup {
public:
    static constexpr std::size_t kSize = 128;

    // `total`: the documents the run is to store, for its status line; below
    // 0 when not known.
    CxLNChangeGroup(CxLNBaseUtil* owner, DBHANDLE db, long total = -1)
        : m_pOwner(owner), m_hDB(db), m_nTotal(total) {}
    ~CxLNChangeGroup() { Flush(); }
    CxLNChangeGroup(const CxLNChangeGroup&) = delete;
    CxLNChangeGroup& operator=(const CxLNChangeGroup&) = delete;

    // `note`, changed from its items `before`, is to be stored as `action`
    // ("create", "change"); the group closes it.
    void Store(NOTEHANDLE note, NOTEID id, const char* action, const LNRawItems& before);
    // Document `id`, holding `before`, is to be deleted.
    void Delete(NOTEID id, const LNRawItems& before);
    // A document waiting here is stored before it is opened again.
    void Settle(NOTEID id);
    // Stores every waiting document, or none once the run must stop.
    void Flush();

private:
    struct tagWaiting {
        NOTEHANDLE hNote; // NULLHANDLE: a deletion
        NOTEID nID;
        long nEntry;
    };

    void Add_(const tagWaiting& waiting);
    void Apply_(const tagWaiting& waiting);
    // True when the document changed.
    bool ApplyStore_(const tagWaiting& waiting);
    bool ApplyDelete_(const tagWaiting& waiting);
    void Drop_(const tagWaiting& waiting, int error);
    void Skip_(const tagWaiting& waiting);
    void ReportStored_();

    CxLNBaseUtil* m_pOwner;
    DBHANDLE m_hDB;
    std::vector<tagWaiting> m_waiting;
    long m_nTotal;
    long m_nStored = 0; // documents this group stored so far
};
