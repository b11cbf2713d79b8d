#include "CxLNWrittenRecs.h"

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNTask.h"

void CxLNAddrUtil::ResetWrittenRecords_() {
    LNResetWrittenRecs<tagCommAddrRec, tagCxLNAddrRec>(m_pRecList, m_pDataMgr);
}

void CxLNDateUtil::ResetWrittenRecords_() {
    LNResetWrittenRecs<tagCommDateRec, tagCxLNDateRec>(m_pRecList, m_pDataMgr);
}

void CxLNTaskUtil::ResetWrittenRecords_() {
    LNResetWrittenRecs<tagCommTaskRec, tagCxLNTaskRec>(m_pRecList, m_pDataMgr);
}

void CxLNNoteUtil::ResetWrittenRecords_() {
    LNResetWrittenRecs<tagCommNoteRec, tagCxLNNoteRec>(m_pRecList, m_pDataMgr);
}
