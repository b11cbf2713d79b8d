// The tasks kind on the client side: its files and exchange file fields,
// its record list and load/submit cycle, and its Notes records as common
// records. The work is CxLNKindUtil's.
#include "CxLNTask.h"

#include <ctime>

#include "common/lotus/exchange/CxLNKindUtil.h"
#include "common/lotus/exchange/CxLNText.h"
#include "common/misc/CxDateTime.h"

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

// What only a load from Lotus Notes knows: the repeat items and the response mark.
const tagLNRecPart kExtras[] = {
    {offsetof(tagCxLNTaskRec, szRepeatUnit),
     offsetof(tagCxLNTaskRec, bPrivate) - offsetof(tagCxLNTaskRec, szRepeatUnit)},
    {offsetof(tagCxLNTaskRec, bResponse), sizeof(tagCxLNTaskRec::bResponse)},
};

const tagLNKind kKind = {
    {4, "Zembrik.LNTaskHost", "Start loading Lotus Notes Tasks.",
     "Load Lotus Notes Tasks information successfully.",
     "Failed to load Lotus Notes Tasks information.",
     "Submit changes to Lotus Notes task database"},
    "LNTask.dat",
    "LNTaskErr.dat",
    "LNTaskStatus.dat",
    "LNTaskParam.dat",
    kFileFields,
    sizeof kFileFields / sizeof kFileFields[0],
    "Start loading Lotus Notes Tasks from temperary file: %s",
    "Start saving Lotus Notes Tasks information to file: %s",
    {
        "There are %d Task records in total.",
        "Load Lotus Notes Tasks information from file successfully.",
        "Save Lotus Notes Tasks information to file successfully.",
        "Failed to open file: %s",
        "Failed to open file: %s",
    },
    kExtras,
    sizeof kExtras / sizeof kExtras[0],
};

using Kind = CxLNKindUtil<CxLNTaskUtil, kKind>;

// Notes importance 0 high, 2 low, else normal; common priority 1 high, 2 low, else normal.
int32_t PriorityOfImportance(int32_t importance) {
    return importance == 0 ? 1 : importance == 2 ? 2 : 0;
}

// The common due date is a 32-bit seconds count, 0 for none.
void DueDateToComm(double dueDate, int32_t* seconds) {
    time_t value = 0;
    if (dueDate == 0.0)
        *seconds = 0;
    else if (VariantTimeToTimeT(dueDate, &value))
        *seconds = static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(value)));
}

} // namespace

CxLNTaskUtil::CxLNTaskUtil()
    : CxLNBaseUtil(), m_pDataMgr(nullptr), m_pFile(nullptr), m_pRecList(nullptr), m_pStore(nullptr) {
    Kind::Create(this);
}

CxLNTaskUtil::~CxLNTaskUtil() {
    Kind::Destroy(this);
}

bool CxLNTaskUtil::LoadAll() {
    return Kind::LoadAll(this);
}

bool CxLNTaskUtil::ClearAll() {
    return Kind::ClearAll(this);
}

bool CxLNTaskUtil::SubmitChanges() {
    return Kind::SubmitChanges(this);
}

bool CxLNTaskUtil::InitRec(tagCxLNTaskRec* rec) {
    return LNInitRec(rec);
}

tagCxLNTaskRec* CxLNTaskUtil::AddRec(const tagCxLNTaskRec* rec) {
    return Kind::AddRec(this, rec);
}

void CxLNTaskUtil::DelRec(tagCxLNTaskRec* rec) {
    Kind::DelRec(this, rec);
}

tagCxLNTaskRec* CxLNTaskUtil::GetFirstRec() {
    return Kind::FirstRec(this);
}

tagCxLNTaskRec* CxLNTaskUtil::GetNextRec() {
    return Kind::NextRec(this);
}

tagCxLNTaskRec* CxLNTaskUtil::GetPrevRec() {
    return Kind::PrevRec(this);
}

tagCxLNTaskRec* CxLNTaskUtil::GetLastRec() {
    return Kind::LastRec(this);
}

bool CxLNTaskUtil::LoadFromFile(const char* name) {
    return LoadFromFile(name, false);
}

bool CxLNTaskUtil::LoadFromFile(const char* name, bool workOnly) {
    return Kind::LoadFromFile(this, name, workOnly);
}

bool CxLNTaskUtil::SaveToFile(const char* name) {
    return Kind::SaveToFile(this, name);
}

bool CxLNTaskUtil::ForEachRecord(const std::function<bool(tagCxLNTaskRec* rec)>& fn) {
    return Kind::ForEachRec(this, fn);
}

bool CxLNTaskUtil::WriteParamFile() {
    return WriteParams_(nullptr, true);
}

bool CxLNTaskUtil::Undo(const char* run, bool dryRun, tagLNUndoResult* result) {
    return Kind::Undo(this, run, dryRun, result);
}

bool CxLNTaskUtil::InvokeHelper_() {
    return Kind::InvokeHelper(this);
}

bool CxLNTaskUtil::LoadRecFromFile_(tagCxLNTaskRec* rec) {
    return Kind::ReadRec(this, rec);
}

bool CxLNTaskUtil::SaveRecToFile_(tagCxLNTaskRec* rec) {
    return Kind::WriteRec(this, rec);
}

void CxLNTaskUtil::ResetWrittenRecords_() {
    Kind::ResetWrittenRecords(this);
}

// Notes task to common task.
bool CxLNTaskUtil::ToCommRec(tagCxLNTaskRec* notes, tagCommTaskRec* common) {
    if (!notes || !common)
        return false;
    LNCopyText(common->szSubject, notes->szSubject, 255);
    LNCopyText(common->szNote, notes->szBody, 8191);
    common->nPriority = PriorityOfImportance(notes->nImportance);
    DueDateToComm(notes->dtDueDate, &common->nDueDate);
    common->bPrivate = notes->bPrivate;
    common->nSource = 9;
    return true;
}
