#include "CxLNDate.h"

#include <cstdint>

#include "common/lotus/exchange/CxLNFileFields.h"
#include "common/lotus/exchange/CxLNRecList.h"
#include "common/misc/CxString.h"

namespace {

// File order: $CSFlags comes before the appointment type, and the
// response flag stays inside the helper.
const tagLNFileField kFileFields[] = {
    LN_INT(tagCxLNDateRec, nAction),
    LN_INT(tagCxLNDateRec, nOrigin),
    LN_TEXT(tagCxLNDateRec, szID),
    LN_TEXT(tagCxLNDateRec, szSubject),
    LN_TEXT(tagCxLNDateRec, szLocation),
    LN_TEXT(tagCxLNDateRec, szBody),
    LN_TEXT(tagCxLNDateRec, szRepeats),
    LN_TEXT(tagCxLNDateRec, szResources),
    LN_TEXT(tagCxLNDateRec, szStartTimeZone),
    LN_TEXT(tagCxLNDateRec, szEndTimeZone),
    LN_DATE(tagCxLNDateRec, dtStartTime),
    LN_DATE(tagCxLNDateRec, dtEndTime),
    LN_DATE(tagCxLNDateRec, dtStartDate),
    LN_DATE(tagCxLNDateRec, dtEndDate),
    LN_DATE(tagCxLNDateRec, dtStartDateTime),
    LN_DATE(tagCxLNDateRec, dtEndDateTime),
    LN_TEXT(tagCxLNDateRec, szRepeatUnit),
    LN_TEXT(tagCxLNDateRec, szRepeatInterval),
    LN_TEXT(tagCxLNDateRec, szRepeatAdjust),
    LN_TEXT(tagCxLNDateRec, szRepeatFromEnd),
    LN_DATE(tagCxLNDateRec, dtRepeatStartDate),
    LN_TEXT(tagCxLNDateRec, szRepeatHow),
    LN_DATE(tagCxLNDateRec, dtRepeatUntil),
    LN_TEXT(tagCxLNDateRec, szRepeatForUnit),
    LN_INT(tagCxLNDateRec, nRepeatFor),
    LN_TEXT(tagCxLNDateRec, szRepeatWeekends),
    LN_DATE(tagCxLNDateRec, dtRepeatCustom),
    LN_TEXT(tagCxLNDateRec, szCSFlags),
    LN_TEXT(tagCxLNDateRec, szAppointmentType),
    LN_FLAG(tagCxLNDateRec, bPrivate),
};

const tagLNFileTexts kTexts = {
    "There are %d Calendar records in total.",
    "Load Lotus Notes Calendar information from file successfully.",
    "Save Lotus Notes Calendar information to file successfully.",
    "Failed to open file: %s",
    "Failed to open file: %s",
};

} // namespace

CxLNDateUtil::CxLNDateUtil()
    : CxLNBaseUtil(), m_pDataMgr(nullptr), m_pFile(nullptr), m_pRecList(nullptr) {
    m_pRecList = new CxList;
    m_pFile = new CxFile;
    m_pDataMgr = new CommDateMgr;
    SetKindFiles_("LNDate.dat", "LNDateErr.dat", "LNDateStatus.dat", "LNDateParam.dat");
}

CxLNDateUtil::~CxLNDateUtil() {
    CxLNDateUtil::ClearAll();
    delete m_pRecList;
    delete m_pFile;
    delete m_pDataMgr;
}

bool CxLNDateUtil::ClearAll() {
    LNClearRecs<tagCxLNDateRec>(m_pRecList);
    m_pDataMgr->Clear();
    return true;
}

bool CxLNDateUtil::InitRec(tagCxLNDateRec* rec) {
    return LNInitRec(rec);
}

tagCxLNDateRec* CxLNDateUtil::AddRec(const tagCxLNDateRec* rec) {
    return LNAddRec(m_pRecList, rec);
}

void CxLNDateUtil::DelRec(tagCxLNDateRec* rec) {
    LNDelRec<tagCommDateRec>(m_pRecList, m_pDataMgr, rec);
}

tagCxLNDateRec* CxLNDateUtil::GetFirstRec() {
    return static_cast<tagCxLNDateRec*>(m_pRecList->GetFirst());
}
tagCxLNDateRec* CxLNDateUtil::GetNextRec() {
    return static_cast<tagCxLNDateRec*>(m_pRecList->GetNext());
}
tagCxLNDateRec* CxLNDateUtil::GetPrevRec() {
    return static_cast<tagCxLNDateRec*>(m_pRecList->GetPrev());
}
tagCxLNDateRec* CxLNDateUtil::GetLastRec() {
    return static_cast<tagCxLNDateRec*>(m_pRecList->GetLast());
}

bool CxLNDateUtil::LoadFromFile(const char* name) {
    return LoadFromFile(name, false);
}

bool CxLNDateUtil::LoadFromFile(const char* name, bool workOnly) {
    name = ExchangeFileName_(name);
    CX_LOG_INFO("Start loading Lotus Notes Calendar from temperary file: %s", name);
    char path[512];
    TempFilePath_(name, path, sizeof path);
    return LNLoadRecFile(
        m_pFile, m_pRecList, m_pDataMgr, path,
        LNFileBytes(kFileFields, sizeof kFileFields / sizeof kFileFields[0]), kTexts,
        [this](tagCxLNDateRec* rec) { return LoadRecFromFile_(rec); }, &ToCommRec,
        workOnly ? &LNRecHasWork<tagCxLNDateRec> : nullptr);
}

bool CxLNDateUtil::SaveToFile(const char* name) {
    name = ExchangeFileName_(name);
    CX_LOG_INFO("Start saving Lotus Notes Calendar information to file: %s", name);
    char path[512];
    TempFilePath_(name, path, sizeof path);
    return LNSaveRecFile<tagCxLNDateRec>(
        m_pFile, m_pRecList, path, kTexts,
        [this](tagCxLNDateRec* rec) { return SaveRecToFile_(rec); });
}

bool CxLNDateUtil::LoadRecFromFile_(tagCxLNDateRec* rec) {
    if (!rec || !m_pFile)
        return false;
    LNReadFields(m_pFile, rec, kFileFields, sizeof kFileFields / sizeof kFileFields[0]);
    return true;
}

bool CxLNDateUtil::SaveRecToFile_(tagCxLNDateRec* rec) {
    if (!rec || !m_pFile)
        return false;
    LNWriteFields(m_pFile, rec, kFileFields, sizeof kFileFields / sizeof kFileFields[0]);
    return true;
}

bool CxLNDateUtil::WriteParamFile() {
    return WriteParams_(nullptr, true);
}
