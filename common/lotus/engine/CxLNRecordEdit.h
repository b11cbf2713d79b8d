// The record editing operations of every kind (the Notes access library's
// build): each changes one record and keeps the record list and the manager
// in step, submitting the change at once when asked. A kind's AddRecord,
// UpdateRecord, DelRecord and SyncRecord answer through Add, Update, Del and
// Sync.
#pragma once
#include <cstdint>

#include "common/lotus/exchange/CxLNRecList.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/pim/CommMatch.h"
#include "common/pim/CommRecStore.h"
#include "common/pim/CommRecords.h"

inline void LNMarkSource(tagCommAddrRec* rec) {
    rec->nSourceType = 9;
}
template <class Comm> void LNMarkSource(Comm* rec) {
    rec->nSource = 9;
}

template <class Util> struct CxLNRecordEdit {
    using Rec = typename Util::Rec;
    using Comm = typename Util::Comm;

    // The Notes record `common` links to, when it is one of this object's.
    static Rec* LinkedRec(Util* util, const Comm* common) {
        if (common->nUserDataSize != 0 || !common->pUserData)
            return nullptr;
        if (!util->m_pRecList->Find(common->pUserData))
            return nullptr;
        return static_cast<Rec*>(common->pUserData);
    }

    // Writes the exchange data file and runs the write-back, which settles
    // the written records when it succeeds.
    static bool Submit(Util* util) { return util->SaveToFile(nullptr) && util->SubmitChanges(); }

    // A new Notes record and the manager's copy of `common`, linked both ways.
    static bool AddLocal(Util* util, Comm* common) {
        Rec rec;
        LNInitRec(&rec);
        rec.nAction = LN_ACTION_WRITE;
        rec.nOrigin = LN_ORIGIN_NEW;
        Util::FromCommRec(common, &rec);
        Comm* stored = util->m_pDataMgr->AddRec(common);
        if (!stored)
            return false;
        // The copy links to its Notes record instead of owning data.
        CommFreeUserData(stored->pUserData, stored->nUserDataSize);
        stored->pUserData = nullptr;
        stored->nUserDataSize = 0;
        LNMarkSource(stored);
        rec.pCommRec = stored;
        Rec* added = LNAddRec(util->m_pRecList, &rec);
        if (!added) {
            util->m_pDataMgr->DelRec(stored);
            return false;
        }
        stored->pUserData = added;
        util->SetDirty(true);
        return true;
    }

    static bool UpdateLocal(Util* util, Comm* common, int position) {
        if (position < 0)
            return false;
        Rec* rec = static_cast<Rec*>(util->m_pRecList->GetAt(static_cast<uint32_t>(position)));
        if (!rec)
            return false;
        Util::FromCommRec(common, rec);
        // A record still waiting to be created stays new: it has no document yet.
        if (rec->nOrigin != LN_ORIGIN_NEW || rec->nAction != LN_ACTION_WRITE)
            rec->nOrigin = LN_ORIGIN_MODIFIED;
        rec->nAction = LN_ACTION_WRITE;
        util->SetDirty(true);
        util->m_pDataMgr->UpdateRec(position, common);
        return true;
    }

    static bool Add(Util* util, Comm* common, bool submit) {
        if (!common || !AddLocal(util, common))
            return false;
        return !submit || Submit(util);
    }

    static bool Update(Util* util, Comm* common, int position, bool submit) {
        if (!common || !UpdateLocal(util, common, position))
            return false;
        return !submit || Submit(util);
    }

    // The record goes from the list only once the write-back has deleted
    // its document.
    static bool Del(Util* util, Comm* common, bool submit) {
        if (!common)
            return false;
        if (Rec* rec = LinkedRec(util, common)) {
            rec->nAction = LN_ACTION_DELETE;
            util->SetDirty(true);
        }
        return !submit || Submit(util);
    }

    // False when the record is already present unchanged, or nothing could
    // be changed; a failed submit leaves the change for the next write-back.
    static bool Sync(Util* util, Comm* common, bool submit) {
        if (!common)
            return false;
        int position = -1;
        const int found = util->m_pDataMgr->FindRec(common, &position);
        if (found == COMM_FIND_PRESENT)
            return false;
        const bool changed =
            found == COMM_FIND_NEW ? AddLocal(util, common) : UpdateLocal(util, common, position);
        if (!changed)
            return false;
        if (submit)
            Submit(util);
        return true;
    }
};
