#include "CxLNAddr.h"

#include <cstdint>

#include "common/lotus/exchange/CxLNFileFields.h"
#include "common/lotus/exchange/CxLNRecList.h"
#include "common/misc/CxString.h"

namespace {

// Every field but the link, in declaration order.
const tagLNFileField kFileFields[] = {
    LN_INT(tagCxLNAddrRec, nAction),
    LN_INT(tagCxLNAddrRec, nOrigin),
    LN_TEXT(tagCxLNAddrRec, szID),
    LN_TEXT(tagCxLNAddrRec, szFirstName),
    LN_TEXT(tagCxLNAddrRec, szMiddleName),
    LN_TEXT(tagCxLNAddrRec, szLastName),
    LN_TEXT(tagCxLNAddrRec, szSuffix),
    LN_TEXT(tagCxLNAddrRec, szDisplayName),
    LN_TEXT(tagCxLNAddrRec, szCompany),
    LN_TEXT(tagCxLNAddrRec, szDepartment),
    LN_TEXT(tagCxLNAddrRec, szJobTitle),
    LN_TEXT(tagCxLNAddrRec, szLocation),
    LN_TEXT(tagCxLNAddrRec, szAssistant),
    LN_TEXT(tagCxLNAddrRec, szManager),
    LN_TEXT(tagCxLNAddrRec, szBusinessEmail),
    LN_TEXT(tagCxLNAddrRec, szPersonalEmail),
    LN_TEXT(tagCxLNAddrRec, szAssistantPhone),
    LN_TEXT(tagCxLNAddrRec, szBusinessEmail2),
    LN_TEXT(tagCxLNAddrRec, szPersonalEmail2),
    LN_TEXT(tagCxLNAddrRec, szBusinessStreet),
    LN_TEXT(tagCxLNAddrRec, szBusinessCity),
    LN_TEXT(tagCxLNAddrRec, szBusinessState),
    LN_TEXT(tagCxLNAddrRec, szBusinessCountry),
    LN_TEXT(tagCxLNAddrRec, szBusinessPostal),
    LN_TEXT(tagCxLNAddrRec, szHomeStreet),
    LN_TEXT(tagCxLNAddrRec, szHomeCity),
    LN_TEXT(tagCxLNAddrRec, szHomeState),
    LN_TEXT(tagCxLNAddrRec, szHomeCountry),
    LN_TEXT(tagCxLNAddrRec, szHomePostal),
    LN_TEXT(tagCxLNAddrRec, szOtherStreet),
    LN_TEXT(tagCxLNAddrRec, szOtherCity),
    LN_TEXT(tagCxLNAddrRec, szOtherState),
    LN_TEXT(tagCxLNAddrRec, szOtherCountry),
    LN_TEXT(tagCxLNAddrRec, szOtherPostal),
    LN_TEXT(tagCxLNAddrRec, szPrimaryPhone),
    LN_TEXT(tagCxLNAddrRec, szBusinessPhone),
    LN_TEXT(tagCxLNAddrRec, szHomePhone),
    LN_TEXT(tagCxLNAddrRec, szMobilePhone),
    LN_TEXT(tagCxLNAddrRec, szBusinessFax),
    LN_TEXT(tagCxLNAddrRec, szHomeFax),
    LN_TEXT(tagCxLNAddrRec, szPager),
    LN_TEXT(tagCxLNAddrRec, szInstantMessenger),
    LN_TEXT(tagCxLNAddrRec, szWebSite),
    LN_TEXT(tagCxLNAddrRec, szBlogSite),
    LN_TEXT(tagCxLNAddrRec, szSpouse),
    LN_TEXT(tagCxLNAddrRec, szChildren),
    LN_TEXT(tagCxLNAddrRec, szNote),
    LN_TEXT(tagCxLNAddrRec, szCategories),
    LN_DATE(tagCxLNAddrRec, dtBirthday),
    LN_DATE(tagCxLNAddrRec, dtAnniversary),
};

const tagLNFileTexts kTexts = {
    "There are %d Contact records in total.",
    "Load Lotus Notes Contact information from file successfully.",
    "Save Lotus Notes Contacts information to file successfully.",
    "Failed to open file: %s",
    "Failed to open file: %s",
};

} // namespace

CxLNAddrUtil::CxLNAddrUtil()
    : CxLNBaseUtil(), m_pDataMgr(nullptr), m_pFile(nullptr), m_pRecList(nullptr), m_szLocalName() {
    m_pRecList = new CxList;
    m_pFile = new CxFile;
    m_pDataMgr = new CommAddrMgr;
    SetKindFiles_("LNAddr.dat", "LNAddrErr.dat", "LNAddrStatus.dat", "LNAddrParam.dat");
}

CxLNAddrUtil::~CxLNAddrUtil() {
    CxLNAddrUtil::ClearAll();
    delete m_pRecList;
    delete m_pFile;
    delete m_pDataMgr;
}

bool CxLNAddrUtil::ClearAll() {
    LNClearRecs<tagCxLNAddrRec>(m_pRecList);
    m_pDataMgr->Clear();
    return true;
}

bool CxLNAddrUtil::InitRec(tagCxLNAddrRec* rec) {
    return LNInitRec(rec);
}

tagCxLNAddrRec* CxLNAddrUtil::AddRec(const tagCxLNAddrRec* rec) {
    return LNAddRec(m_pRecList, rec);
}

void CxLNAddrUtil::DelRec(tagCxLNAddrRec* rec) {
    LNDelRec<tagCommAddrRec>(m_pRecList, m_pDataMgr, rec);
}

tagCxLNAddrRec* CxLNAddrUtil::GetFirstRec() {
    return static_cast<tagCxLNAddrRec*>(m_pRecList->GetFirst());
}
tagCxLNAddrRec* CxLNAddrUtil::GetNextRec() {
    return static_cast<tagCxLNAddrRec*>(m_pRecList->GetNext());
}
tagCxLNAddrRec* CxLNAddrUtil::GetPrevRec() {
    return static_cast<tagCxLNAddrRec*>(m_pRecList->GetPrev());
}
tagCxLNAddrRec* CxLNAddrUtil::GetLastRec() {
    return static_cast<tagCxLNAddrRec*>(m_pRecList->GetLast());
}

bool CxLNAddrUtil::LoadFromFile(const char* name) {
    return LoadFromFile(name, false);
}

bool CxLNAddrUtil::LoadFromFile(const char* name, bool workOnly) {
    name = ExchangeFileName_(name);
    CX_LOG_INFO("Start loading Lotus Notes Contacts from temperary file: %s", name);
    char path[512];
    TempFilePath_(name, path, sizeof path);
    return LNLoadRecFile(
        m_pFile, m_pRecList, m_pDataMgr, path,
        LNFileBytes(kFileFields, sizeof kFileFields / sizeof kFileFields[0]), kTexts,
        [this](tagCxLNAddrRec* rec) { return LoadRecFromFile_(rec); }, &ToCommRec,
        workOnly ? &LNRecHasWork<tagCxLNAddrRec> : nullptr);
}

bool CxLNAddrUtil::SaveToFile(const char* name) {
    name = ExchangeFileName_(name);
    CX_LOG_INFO("Start saving Lotus Notes Contacts information to file: %s", name);
    char path[512];
    TempFilePath_(name, path, sizeof path);
    return LNSaveRecFile<tagCxLNAddrRec>(
        m_pFile, m_pRecList, path, kTexts,
        [this](tagCxLNAddrRec* rec) { return SaveRecToFile_(rec); });
}

bool CxLNAddrUtil::LoadRecFromFile_(tagCxLNAddrRec* rec) {
    if (!rec || !m_pFile)
        return false;
    LNReadFields(m_pFile, rec, kFileFields, sizeof kFileFields / sizeof kFileFields[0]);
    return true;
}

bool CxLNAddrUtil::SaveRecToFile_(tagCxLNAddrRec* rec) {
    if (!rec || !m_pFile)
        return false;
    LNWriteFields(m_pFile, rec, kFileFields, sizeof kFileFields / sizeof kFileFields[0]);
    return true;
}

bool CxLNAddrUtil::WriteParamFile() {
    return WriteParams_(m_szLocalName, true);
}

void CxLNAddrUtil::SetLocalName(const char* text) {
    if (text)
        CxStrCopy(m_szLocalName, text);
}
