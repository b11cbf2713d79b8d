#include "CxLNNote.h"

#include "common/lotus/exchange/CxLNRecList.h"

namespace {

const tagLNFileTexts kTexts = {
    nullptr,
    nullptr,
    nullptr,
    "Cannot load Lotus Notes Note records from temperary file: %s",
    "Cannot save Lotus Notes Notes records to temperary file: %s",
};

} // namespace

CxLNNoteUtil::CxLNNoteUtil()
    : CxLNBaseUtil(), m_pDataMgr(nullptr), m_pFile(nullptr), m_pRecList(nullptr) {
    m_pRecList = new CxList;
    m_pFile = new CxFile;
    m_pDataMgr = new CommNoteMgr;
    SetKindFiles_("LNNote.dat", "LNNoteErr.dat", "LNNoteStatus.dat", "LNNoteParam.dat");
}

CxLNNoteUtil::~CxLNNoteUtil() {
    CxLNNoteUtil::ClearAll();
    delete m_pRecList;
    delete m_pFile;
    delete m_pDataMgr;
}

bool CxLNNoteUtil::ClearAll() {
    LNClearRecs<tagCxLNNoteRec>(m_pRecList);
    m_pDataMgr->Clear();
    return true;
}

bool CxLNNoteUtil::InitRec(tagCxLNNoteRec* rec) {
    return LNInitRec(rec);
}

tagCxLNNoteRec* CxLNNoteUtil::AddRec(const tagCxLNNoteRec* rec) {
    return LNAddRec(m_pRecList, rec);
}

void CxLNNoteUtil::DelRec(tagCxLNNoteRec* rec) {
    LNDelRec<tagCommNoteRec>(m_pRecList, m_pDataMgr, rec);
}

tagCxLNNoteRec* CxLNNoteUtil::GetFirstRec() {
    return static_cast<tagCxLNNoteRec*>(m_pRecList->GetFirst());
}
tagCxLNNoteRec* CxLNNoteUtil::GetNextRec() {
    return static_cast<tagCxLNNoteRec*>(m_pRecList->GetNext());
}
tagCxLNNoteRec* CxLNNoteUtil::GetPrevRec() {
    return static_cast<tagCxLNNoteRec*>(m_pRecList->GetPrev());
}
tagCxLNNoteRec* CxLNNoteUtil::GetLastRec() {
    return static_cast<tagCxLNNoteRec*>(m_pRecList->GetLast());
}

bool CxLNNoteUtil::LoadFromFile(const char* name) {
    return LoadFromFile(name, false);
}

bool CxLNNoteUtil::LoadFromFile(const char* name, bool workOnly) {
    char path[512];
    TempFilePath_(ExchangeFileName_(name), path, sizeof path);
    return LNLoadRecFile(
        m_pFile, m_pRecList, m_pDataMgr, path, 0, kTexts,
        [this](tagCxLNNoteRec* rec) { return LoadRecFromFile_(rec); }, &ToCommRec,
        workOnly ? &LNRecHasWork<tagCxLNNoteRec> : nullptr);
}

bool CxLNNoteUtil::SaveToFile(const char* name) {
    char path[512];
    TempFilePath_(ExchangeFileName_(name), path, sizeof path);
    return LNSaveRecFile<tagCxLNNoteRec>(
        m_pFile, m_pRecList, path, kTexts,
        [this](tagCxLNNoteRec* rec) { return SaveRecToFile_(rec); });
}

// The notes kind carries no document content.
bool CxLNNoteUtil::LoadRecFromFile_(tagCxLNNoteRec* rec) {
    return rec && m_pFile;
}

bool CxLNNoteUtil::SaveRecToFile_(tagCxLNNoteRec* rec) {
    return rec && m_pFile;
}

bool CxLNNoteUtil::WriteParamFile() {
    return WriteParams_(nullptr, false);
}

bool CxLNNoteUtil::ToCommRec(tagCxLNNoteRec* notes, tagCommNoteRec* common) {
    if (!notes || !common)
        return false;
    common->nSource = 9;
    return true;
}
