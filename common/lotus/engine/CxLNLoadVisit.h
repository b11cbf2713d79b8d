// The document visit of a load: each document the search matches is read
// into a record of the kind and added to the object whose load is running.
#pragma once
#include "common/lotus/engine/CxLNDocVisit.h"
#include "common/lotus/engine/CxLNLoadStream.h"
#include "common/lotus/engine/CxLNRunStop.h"

template <class Util, const tagLNItemKind& Kind> struct CxLNLoadVisit {
    using Rec = typename Util::Rec;

    // The object whose load is in progress; the document visit adds to it.
    static inline Util* s_pRunning = nullptr;

    static STATUS LNCALLBACK Visit(void* argument, SEARCH_MATCH* match, ITEM_TABLE*) {
        if (!s_pRunning)
            return 1;
        if (!LNStopReason().empty()) {
            LNReportStopped(s_pRunning, "load");
            return 1;
        }
        NOTEID id = 0;
        if (!LNMatchedNote(match, &id))
            return NOERROR;
        const DBHANDLE db = *static_cast<const DBHANDLE*>(argument);
        Rec rec;
        if (LNReadDocument(s_pRunning, db, id, Kind, &rec, sizeof rec, rec.szID, sizeof rec.szID))
            CxLNLoadStream<Util>::Add(s_pRunning, &rec);
        return NOERROR;
    }

    // The search starts with an object and ends with none.
    static void SetRunning(CxLNBaseUtil* util) {
        if (s_pRunning)
            CxLNLoadStream<Util>::End(s_pRunning);
        s_pRunning = static_cast<Util*>(util);
        if (s_pRunning)
            CxLNLoadStream<Util>::Begin(s_pRunning);
    }
};
