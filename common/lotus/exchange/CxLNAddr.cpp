// The contacts kind on the client side: its files and exchange file fields,
// its record list and load/submit cycle, and its Notes records as common
// records. The work is CxLNKindUtil's.
#include "CxLNAddr.h"

#include "common/lotus/exchange/CxLNAddrMap.h"
#include "common/lotus/exchange/CxLNKindUtil.h"
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

const tagLNKind kKind = {
    {1, "Zembrik.LNAddrHost", "Start loading Lotus Notes Contacts.",
     "Load Lotus Notes Contacts information successfully.",
     "Failed to load Lotus Notes Contacts information.",
     "Submit changes to Lotus Notes contacts database"},
    "LNAddr.dat",
    "LNAddrErr.dat",
    "LNAddrStatus.dat",
    "LNAddrParam.dat",
    kFileFields,
    sizeof kFileFields / sizeof kFileFields[0],
    "Start loading Lotus Notes Contacts from temperary file: %s",
    "Start saving Lotus Notes Contacts information to file: %s",
    {
        "There are %d Contact records in total.",
        "Load Lotus Notes Contact information from file successfully.",
        "Save Lotus Notes Contacts information to file successfully.",
        "Failed to open file: %s",
        "Failed to open file: %s",
    },
};

using Kind = CxLNKindUtil<CxLNAddrUtil, kKind>;

} // namespace

CxLNAddrUtil::CxLNAddrUtil()
    : CxLNBaseUtil(), m_pDataMgr(nullptr), m_pFile(nullptr), m_pRecList(nullptr), m_pStore(nullptr), m_szLocalName() {
    Kind::Create(this);
}

CxLNAddrUtil::~CxLNAddrUtil() {
    Kind::Destroy(this);
}

bool CxLNAddrUtil::LoadAll() {
    return Kind::LoadAll(this);
}

bool CxLNAddrUtil::ClearAll() {
    return Kind::ClearAll(this);
}

bool CxLNAddrUtil::SubmitChanges() {
    return Kind::SubmitChanges(this);
}

bool CxLNAddrUtil::InitRec(tagCxLNAddrRec* rec) {
    return LNInitRec(rec);
}

tagCxLNAddrRec* CxLNAddrUtil::AddRec(const tagCxLNAddrRec* rec) {
    return Kind::AddRec(this, rec);
}

void CxLNAddrUtil::DelRec(tagCxLNAddrRec* rec) {
    Kind::DelRec(this, rec);
}

tagCxLNAddrRec* CxLNAddrUtil::GetFirstRec() {
    return Kind::FirstRec(this);
}

tagCxLNAddrRec* CxLNAddrUtil::GetNextRec() {
    return Kind::NextRec(this);
}

tagCxLNAddrRec* CxLNAddrUtil::GetPrevRec() {
    return Kind::PrevRec(this);
}

tagCxLNAddrRec* CxLNAddrUtil::GetLastRec() {
    return Kind::LastRec(this);
}

bool CxLNAddrUtil::LoadFromFile(const char* name) {
    return LoadFromFile(name, false);
}

bool CxLNAddrUtil::LoadFromFile(const char* name, bool workOnly) {
    return Kind::LoadFromFile(this, name, workOnly);
}

bool CxLNAddrUtil::SaveToFile(const char* name) {
    return Kind::SaveToFile(this, name);
}

bool CxLNAddrUtil::ForEachRecord(const std::function<bool(tagCxLNAddrRec* rec)>& fn) {
    return Kind::ForEachRec(this, fn);
}

bool CxLNAddrUtil::WriteParamFile() {
    return WriteParams_(m_szLocalName, true);
}

void CxLNAddrUtil::SetLocalName(const char* text) {
    if (text)
        CxStrCopy(m_szLocalName, text);
}

bool CxLNAddrUtil::Undo(const char* run, bool dryRun, tagLNUndoResult* result) {
    return Kind::Undo(this, run, dryRun, result);
}

bool CxLNAddrUtil::InvokeHelper_() {
    return Kind::InvokeHelper(this);
}

bool CxLNAddrUtil::LoadRecFromFile_(tagCxLNAddrRec* rec) {
    return Kind::ReadRec(this, rec);
}

bool CxLNAddrUtil::SaveRecToFile_(tagCxLNAddrRec* rec) {
    return Kind::WriteRec(this, rec);
}

void CxLNAddrUtil::ResetWrittenRecords_() {
    Kind::ResetWrittenRecords(this);
}

// Notes contact to common contact.
bool CxLNAddrUtil::ToCommRec(tagCxLNAddrRec* notes, tagCommAddrRec* common) {
    if (!notes || !common)
        return false;
    LNCopyAddrTexts(notes, common, false);
    common->dtBirthday = notes->dtBirthday;
    common->dtAnniversary = notes->dtAnniversary;
    common->nSourceType = 9;
    return true;
}
