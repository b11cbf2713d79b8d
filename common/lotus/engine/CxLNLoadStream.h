// A load from Lotus Notes into an object without records writes each
// document's record to a new exchange file as it is read, and keys it in
// the record list: a load of any size keeps only where each record is. The
// file gets its name when the run saves the records (CxLNRecStore).
#pragma once
#include "common/lotus/exchange/CxLNRecStore.h"
#include "common/misc/CxList.h"

template <class Util> struct CxLNLoadStream {
    using Rec = typename Util::Rec;

    static void Begin(Util* util) {
        if (util->m_pRecList->GetCount() == 0 && util->m_pDataMgr->GetRecords()->GetCount() == 0)
            util->m_pStore->BeginStream(util->GetTempFilePath());
    }

    // As AddRec does without a stream: the record alone, no common record.
    static void Add(Util* util, const Rec* rec) {
        const tagLNRecSlot* slot =
            util->m_pStore->IsStreaming() ? util->m_pStore->Append(rec, false) : nullptr;
        if (!slot || !util->m_pRecList->AddKey(slot))
            util->AddRec(rec);
    }

    // What was read is readable from here on.
    static void End(Util* util) {
        if (util->m_pStore->IsStreaming())
            util->m_pStore->EndStream();
    }
};
