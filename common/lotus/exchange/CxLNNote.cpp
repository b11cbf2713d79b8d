// The notes kind on the client side: its files and exchange file fields,
// its record list and load/submit cycle, and its Notes records as common
// records. The work is CxLNKindUtil's.
#include "CxLNNote.h"

#include "common/lotus/exchange/CxLNKindUtil.h"

namespace {

const tagLNKind kKind = {
    {8, "Zembrik.LNNoteHost", nullptr, nullptr, nullptr, nullptr},
    "LNNote.dat",
    "LNNoteErr.dat",
    "LNNoteStatus.dat",
    "LNNoteParam.dat",
    nullptr,
    0,
    nullptr,
    nullptr,
    {
        nullptr,
        nullptr,
        nullptr,
        "Cannot load Lotus Notes Note records from temperary file: %s",
        "Cannot save Lotus Notes Notes records to temperary file: %s",
    },
};

using Kind = CxLNKindUtil<CxLNNoteUtil, kKind>;

} // namespace

CxLNNoteUtil::CxLNNoteUtil()
    : CxLNBaseUtil(), m_pDataMgr(nullptr), m_pFile(nullptr), m_pRecList(nullptr), m_pStore(nullptr) {
    Kind::Create(this);
}

CxLNNoteUtil::~CxLNNoteUtil() {
    Kind::Destroy(this);
}

bool CxLNNoteUtil::LoadAll() {
    return Kind::LoadAll(this);
}

bool CxLNNoteUtil::ClearAll() {
    return Kind::ClearAll(this);
}

bool CxLNNoteUtil::SubmitChanges() {
    return Kind::SubmitChanges(this);
}

bool CxLNNoteUtil::InitRec(tagCxLNNoteRec* rec) {
    return LNInitRec(rec);
}

tagCxLNNoteRec* CxLNNoteUtil::AddRec(const tagCxLNNoteRec* rec) {
    return Kind::AddRec(this, rec);
}

void CxLNNoteUtil::DelRec(tagCxLNNoteRec* rec) {
    Kind::DelRec(this, rec);
}

tagCxLNNoteRec* CxLNNoteUtil::GetFirstRec() {
    return Kind::FirstRec(this);
}

tagCxLNNoteRec* CxLNNoteUtil::GetNextRec() {
    return Kind::NextRec(this);
}

tagCxLNNoteRec* CxLNNoteUtil::GetPrevRec() {
    return Kind::PrevRec(this);
}

tagCxLNNoteRec* CxLNNoteUtil::GetLastRec() {
    return Kind::LastRec(this);
}

bool CxLNNoteUtil::LoadFromFile(const char* name) {
    return LoadFromFile(name, false);
}

bool CxLNNoteUtil::LoadFromFile(const char* name, bool workOnly) {
    return Kind::LoadFromFile(this, name, workOnly);
}

bool CxLNNoteUtil::SaveToFile(const char* name) {
    return Kind::SaveToFile(this, name);
}

bool CxLNNoteUtil::ForEachRecord(const std::function<bool(tagCxLNNoteRec* rec)>& fn) {
    return Kind::ForEachRec(this, fn);
}

bool CxLNNoteUtil::WriteParamFile() {
    return WriteParams_(nullptr, false);
}

bool CxLNNoteUtil::InvokeHelper_() {
    return Kind::InvokeHelper(this);
}

bool CxLNNoteUtil::LoadRecFromFile_(tagCxLNNoteRec* rec) {
    return Kind::ReadRec(this, rec);
}

bool CxLNNoteUtil::SaveRecToFile_(tagCxLNNoteRec* rec) {
    return Kind::WriteRec(this, rec);
}

void CxLNNoteUtil::ResetWrittenRecords_() {
    Kind::ResetWrittenRecords(this);
}

// The notes kind carries no content: its common records hold only their source.
bool CxLNNoteUtil::ToCommRec(tagCxLNNoteRec* notes, tagCommNoteRec* common) {
    if (!notes || !common)
        return false;
    common->nSource = 9;
    return true;
}
