// The calendar entries kind on the client side: its files and exchange file fields,
// its record list and load/submit cycle, and its Notes records as common
// records. The work is CxLNKindUtil's.
#include "CxLNDate.h"

#include <cstring>

#include "common/lotus/exchange/CxLNKindUtil.h"
#include "common/lotus/exchange/CxLNText.h"

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

// What only a load from Lotus Notes knows.
const tagLNRecPart kExtras[] = {
    {offsetof(tagCxLNDateRec, bResponse), sizeof(tagCxLNDateRec::bResponse)},
};

const tagLNKind kKind = {
    {2, "Zembrik.LNDateHost", "Start loading Lotus Notes Calendar.",
     "Load Lotus Notes Calendar information successfully.",
     "Failed to load Lotus Notes Calendar information.",
     "Submit changes to Lotus Notes calendar database"},
    "LNDate.dat",
    "LNDateErr.dat",
    "LNDateStatus.dat",
    "LNDateParam.dat",
    kFileFields,
    sizeof kFileFields / sizeof kFileFields[0],
    "Start loading Lotus Notes Calendar from temperary file: %s",
    "Start saving Lotus Notes Calendar information to file: %s",
    {
        "There are %d Calendar records in total.",
        "Load Lotus Notes Calendar information from file successfully.",
        "Save Lotus Notes Calendar information to file successfully.",
        "Failed to open file: %s",
        "Failed to open file: %s",
    },
    kExtras,
    sizeof kExtras / sizeof kExtras[0],
};

using Kind = CxLNKindUtil<CxLNDateUtil, kKind>;

// The common repeat kind of a Notes repeat unit; 0 for a unit it does not know.
int RepeatKindOfUnit(const char* unit) {
    static const struct {
        const char* szUnit;
        int nKind;
    } kUnits[] = {{"D", 1}, {"W", 2}, {"MP", 3}, {"MD", 4}, {"Y", 6}};
    for (const auto& row : kUnits) {
        if (std::strcmp(unit, row.szUnit) == 0)
            return row.nKind;
    }
    return 0;
}

void RepeatToComm(const tagCxLNDateRec* notes, tagCommDateRec* common) {
    char repeats[sizeof notes->szRepeats];
    LNCopyText(repeats, notes->szRepeats, sizeof repeats);
    if (std::strcmp(repeats, "1") != 0) {
        common->nRepeatKind = 0;
        return;
    }
    char unit[sizeof notes->szRepeatUnit];
    LNCopyText(unit, notes->szRepeatUnit, sizeof unit);
    if (int kind = RepeatKindOfUnit(unit))
        common->nRepeatKind = kind;
    common->nRepeatInterval = LNTextToInt(notes->szRepeatInterval);
    switch (common->nRepeatKind) {
    case 2:
    case 3:
        common->nRepeatWeekday = LNTextToInt(notes->szRepeatAdjust);
        break;
    case 4:
        common->nRepeatDay = LNTextToInt(notes->szRepeatAdjust);
        break;
    case 6: {
        SYSTEMTIME start;
        if (VariantTimeToSystemTime(notes->dtStartDateTime, &start)) {
            common->nRepeatMonth = start.wMonth;
            common->nRepeatDay = start.wDay;
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

CxLNDateUtil::CxLNDateUtil()
    : CxLNBaseUtil(), m_pDataMgr(nullptr), m_pFile(nullptr), m_pRecList(nullptr), m_pStore(nullptr) {
    Kind::Create(this);
}

CxLNDateUtil::~CxLNDateUtil() {
    Kind::Destroy(this);
}

bool CxLNDateUtil::LoadAll() {
    return Kind::LoadAll(this);
}

bool CxLNDateUtil::ClearAll() {
    return Kind::ClearAll(this);
}

bool CxLNDateUtil::SubmitChanges() {
    return Kind::SubmitChanges(this);
}

bool CxLNDateUtil::InitRec(tagCxLNDateRec* rec) {
    return LNInitRec(rec);
}

tagCxLNDateRec* CxLNDateUtil::AddRec(const tagCxLNDateRec* rec) {
    return Kind::AddRec(this, rec);
}

void CxLNDateUtil::DelRec(tagCxLNDateRec* rec) {
    Kind::DelRec(this, rec);
}

tagCxLNDateRec* CxLNDateUtil::GetFirstRec() {
    return Kind::FirstRec(this);
}

tagCxLNDateRec* CxLNDateUtil::GetNextRec() {
    return Kind::NextRec(this);
}

tagCxLNDateRec* CxLNDateUtil::GetPrevRec() {
    return Kind::PrevRec(this);
}

tagCxLNDateRec* CxLNDateUtil::GetLastRec() {
    return Kind::LastRec(this);
}

bool CxLNDateUtil::LoadFromFile(const char* name) {
    return LoadFromFile(name, false);
}

bool CxLNDateUtil::LoadFromFile(const char* name, bool workOnly) {
    return Kind::LoadFromFile(this, name, workOnly);
}

bool CxLNDateUtil::SaveToFile(const char* name) {
    return Kind::SaveToFile(this, name);
}

bool CxLNDateUtil::ForEachRecord(const std::function<bool(tagCxLNDateRec* rec)>& fn) {
    return Kind::ForEachRec(this, fn);
}

bool CxLNDateUtil::WriteParamFile() {
    return WriteParams_(nullptr, true);
}

bool CxLNDateUtil::Undo(const char* run, bool dryRun, tagLNUndoResult* result) {
    return Kind::Undo(this, run, dryRun, result);
}

bool CxLNDateUtil::InvokeHelper_() {
    return Kind::InvokeHelper(this);
}

bool CxLNDateUtil::LoadRecFromFile_(tagCxLNDateRec* rec) {
    return Kind::ReadRec(this, rec);
}

bool CxLNDateUtil::SaveRecToFile_(tagCxLNDateRec* rec) {
    return Kind::WriteRec(this, rec);
}

void CxLNDateUtil::ResetWrittenRecords_() {
    Kind::ResetWrittenRecords(this);
}

// Notes calendar entry to common calendar record.
bool CxLNDateUtil::ToCommRec(tagCxLNDateRec* notes, tagCommDateRec* common) {
    if (!notes || !common)
        return false;
    LNCopyText(common->szDescription, notes->szSubject, 255);
    LNCopyText(common->szLocation, notes->szLocation, 255);
    VariantTimeToSystemTime(notes->dtStartDateTime, &common->stStart);
    VariantTimeToSystemTime(notes->dtEndDateTime, &common->stEnd);
    LNCopyText(common->szNote, notes->szBody, 8191);
    RepeatToComm(notes, common);
    common->nSource = 9;
    common->nPrivate = notes->bPrivate ? 1 : 0;
    return true;
}
