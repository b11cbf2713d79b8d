#include "CxLNTask.h"

#include <cstdint>

#include "common/lotus/exchange/CxLNFileFields.h"
#include "common/lotus/exchange/CxLNRecList.h"
#include "common/misc/CxString.h"

namespace {

// File order: the private flag follows the importance; the repeat fields
// stay inside the helper.
const tagLNFileField kFileFields[] = {
    LN_INT(tagCxLNTaskRec, nAction),
    LN_INT(tagCxLNTaskRec, nOrigin),
    LN_TEXT(tagCxLNTaskRec, szID),
    LN_TEXT(tagCxLNTaskRec, szSubject),
    LN_TEXT(tagCxLNTaskRec, szBody),
    LN_TEXT(tagCxLNTaskRec, szRepeats),
    LN_TEXT(tagCxLNTaskRec, szCategories),
    LN_INT(tagCxLNTaskRec, nImportance),
    LN_FLAG(tagCxLNTaskRec, bPrivate),
    LN_TEXT(tagCxLNTaskRec, szTaskType),
    LN_DATE(tagCxLNTaskRec, dtDueDate),
    LN_DATE(tagCxLNTaskRec, dtStartDate),
    LN_DATE(tagCxLNTaskRec, dtEndDate),
    LN_INT(tagCxLNTaskRec, nDueState),
    LN_INT(tagCxLNTaskRec, nAlarm),
    LN_TEXT(tagCxLNTaskRec, szAlarmUnit),
    LN_TEXT(tagCxLNTaskRec, szAlarmMemoOptions),
    LN_TEXT(tagCxLNTaskRec, szAlarmDescription),
    LN_INT(tagCxLNTaskRec, nAlarmOffset),
    LN_TEXT(tagCxLNTaskRec, szAlarmString),
};

const tagLNFileTexts kTexts = {
    "There are %d Task records in total.",
    "Load Lotus Notes Tasks information from file successfully.",
    "Save Lotus Notes Tasks information to file successfully.",
    "Failed to open file: %s",
    "Failed to open file: %s",
};

} // namespace

CxLNTaskUtil::CxLNTaskUtil()
    : CxLNBaseUtil(), m_pDataMgr(nullptr), m_pFile(nullptr), m_pRecList(nullptr) {
    m_pRecList = new CxList;
    m_pFile = new CxFile;
    m_pDataMgr = new CommTaskMgr;
    SetKindFiles_("LNTask.dat", "LNTaskErr.dat", "LNTaskStatus.dat", "LNTaskParam.dat");
}

CxLNTaskUtil::~CxLNTaskUtil() {
    CxLNTaskUtil::ClearAll();
    delete m_pRecList;
    delete m_pFile;
    delete m_pDataMgr;
}

bool CxLNTaskUtil::ClearAll() {
    LNClearRecs<tagCxLNTaskRec>(m_pRecList);
    m_pDataMgr->Clear();
    return true;
}

bool CxLNTaskUtil::InitRec(tagCxLNTaskRec* rec) {
    return LNInitRec(rec);
}

tagCxLNTaskRec* CxLNTaskUtil::AddRec(const tagCxLNTaskRec* rec) {
    return LNAddRec(m_pRecList, rec);
}

void CxLNTaskUtil::DelRec(tagCxLNTaskRec* rec) {
    LNDelRec<tagCommTaskRec>(m_pRecList, m_pDataMgr, rec);
}

tagCxLNTaskRec* CxLNTaskUtil::GetFirstRec() {
    return static_cast<tagCxLNTaskRec*>(m_pRecList->GetFirst());
}
tagCxLNTaskRec* CxLNTaskUtil::GetNextRec() {
    return static_cast<tagCxLNTaskRec*>(m_pRecList->GetNext());
}
tagCxLNTaskRec* CxLNTaskUtil::GetPrevRec() {
    return static_cast<tagCxLNTaskRec*>(m_pRecList->GetPrev());
}
tagCxLNTaskRec* CxLNTaskUtil::GetLastRec() {
    return static_cast<tagCxLNTaskRec*>(m_pRecList->GetLast());
}

bool CxLNTaskUtil::LoadFromFile(const char* name) {
    return LoadFromFile(name, false);
}

bool CxLNTaskUtil::LoadFromFile(const char* name, bool workOnly) {
    name = ExchangeFileName_(name);
    CX_LOG_INFO("Start loading Lotus Notes Tasks from temperary file: %s", name);
    char path[512];
    TempFilePath_(name, path, sizeof path);
    return LNLoadRecFile(
        m_pFile, m_pRecList, m_pDataMgr, path,
        LNFileBytes(kFileFields, sizeof kFileFields / sizeof kFileFields[0]), kTexts,
        [this](tagCxLNTaskRec* rec) { return LoadRecFromFile_(rec); }, &ToCommRec,
        workOnly ? &LNRecHasWork<tagCxLNTaskRec> : nullptr);
}

bool CxLNTaskUtil::SaveToFile(const char* name) {
    name = ExchangeFileName_(name);
    CX_LOG_INFO("Start saving Lotus Notes Tasks information to file: %s", name);
    char path[512];
    TempFilePath_(name, path, sizeof path);
    return LNSaveRecFile<tagCxLNTaskRec>(
        m_pFile, m_pRecList, path, kTexts,
        [this](tagCxLNTaskRec* rec) { return SaveRecToFile_(rec); });
}

bool CxLNTaskUtil::LoadRecFromFile_(tagCxLNTaskRec* rec) {
    if (!rec || !m_pFile)
        return false;
    LNReadFields(m_pFile, rec, kFileFields, sizeof kFileFields / sizeof kFileFields[0]);
    return true;
}

bool CxLNTaskUtil::SaveRecToFile_(tagCxLNTaskRec* rec) {
    if (!rec || !m_pFile)
        return false;
    LNWriteFields(m_pFile, rec, kFileFields, sizeof kFileFields / sizeof kFileFields[0]);
    return true;
}

bool CxLNTaskUtil::WriteParamFile() {
    return WriteParams_(nullptr, true);
}
