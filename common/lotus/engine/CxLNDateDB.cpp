// Calendar entries inside a helper host: the run's parameters, the run, the
// load of the Appointment documents of the mail database and their
// write-back, and the common calendar record back to a Notes calendar entry.
#include "common/lotus/exchange/CxLNDate.h"

#include "common/lotus/engine/CxLNDateItems.h"
#include "common/lotus/engine/CxLNLoadVisit.h"
#include "common/lotus/engine/CxLNMailDB.h"
#include "common/lotus/engine/CxLNRun.h"
#include "common/lotus/engine/CxLNWriteBack.h"
#include "common/lotus/exchange/CxLNText.h"
#include "common/misc/CxString.h"

#include <cmath>

namespace {

using Visit = CxLNLoadVisit<CxLNDateUtil, kLNDateItems>;

const tagLNMailKind kMailKind = {
    "Select Form=\"Appointment\"",
    "Open Lotus Notes Calendar database.",
    "Open Lotus Notes Calendar database: %s",
    "Can not open Lotus Notes Calendar file: %s, error code=%d; message=%s",
    "Search Notes calendar database...",
    "Search Lotus Notes Calendar database...",
    "Failed to search Lotus Notes Calendar database, error code=%d",
    "Failed to close Lotus Notes Calendar database, error code=%d",
    "Close Notes calendar database successfully.",
    "Open Lotus Notes Calendar database: %s",
    "Can no open Lotus Notes Calendar Database file: %s, error code=%d",
    "Close Lotus Notes Calendar database successfully.",
    Visit::Visit,
    Visit::SetRunning,
};

void CreateItems(NOTEHANDLE note, const void* rec) {
    LNWriteAppointmentItems(note, static_cast<const tagCxLNDateRec*>(rec)->bPrivate != 0);
}

bool WriteItems(const void* rec, const tagLNItemWriter& writer) {
    return LNWriteDateItems(static_cast<const tagCxLNDateRec*>(rec), writer);
}

const tagLNWriteBackKind kWriteBack = {
    "Create new Notes Calendar appointment item.",
    "Modify existed Notes Calendar appointment item, item ID=%d",
    "Delete existed Notes Calendar appointment item, item ID=%d",
    CreateItems,
    WriteItems,
};

struct tagRepeatUnits {
    const char* szHow;
    const char* szUnit;
    const char* szForUnit;
};

// Notes unit texts of the common repeat kinds 1 to 6.
const tagRepeatUnits kRepeatUnits[] = {
    {"D", "D", "D"},  {"W", "W", "W"}, {"M", "MP", "M"},
    {"M", "MD", "M"}, {"Y", "Y", "Y"}, {"Y", "Y", "Y"},
};

void RepeatFromComm(const tagCommDateRec* common, tagCxLNDateRec* notes) {
    const int kind = common->nRepeatKind;
    if (kind < 1 || kind > 6) {
        notes->szRepeats[0] = '\0';
        return;
    }
    const tagRepeatUnits& units = kRepeatUnits[kind - 1];
    CxStrCopy(notes->szRepeats, "1");
    CxStrCopy(notes->szRepeatHow, units.szHow);
    CxStrCopy(notes->szRepeatUnit, units.szUnit);
    CxStrCopy(notes->szRepeatForUnit, units.szForUnit);
    CxStrFormat(notes->szRepeatInterval, sizeof notes->szRepeatInterval, "%d",
                common->nRepeatInterval);
    notes->szRepeatFromEnd[0] = '\0';
    // The day the entry repeats on travels with it.
    if (kind == 2 || kind == 3)
        CxStrFormat(notes->szRepeatAdjust, sizeof notes->szRepeatAdjust, "%d",
                    common->nRepeatWeekday);
    else if (kind == 4)
        CxStrFormat(notes->szRepeatAdjust, sizeof notes->szRepeatAdjust, "%d", common->nRepeatDay);
    else
        notes->szRepeatAdjust[0] = '\0';
    if (notes->nRepeatFor == 0)
        notes->nRepeatFor = 5;
    notes->dtRepeatStartDate = std::trunc(notes->dtStartDateTime);
    notes->dtRepeatCustom = notes->dtRepeatStartDate;
    if (common->bRepeatUntil)
        SystemTimeToVariantTime(&common->stRepeatUntil, &notes->dtRepeatUntil);
}

} // namespace

bool CxLNDateUtil::ReadParamFile(const char* path) {
    return ReadMailParams_(path, true);
}

bool CxLNDateUtil::Run() {
    return LNRun(this);
}

tagLNRunTarget LNRunTarget(const CxLNDateUtil& util) {
    return {"calendar", util.GetMailDBName()};
}

bool CxLNDateUtil::LoadFromDB() {
    return LNLoadMailDB(this, kMailKind);
}

bool CxLNDateUtil::SaveToDB() {
    return LNSaveMailDB(this, kMailKind, [this](DBHANDLE db) {
        LNWriteBackRecords(this, db, kWriteBack);
    });
}

// Common calendar record to Notes calendar entry.
bool CxLNDateUtil::FromCommRec(tagCommDateRec* common, tagCxLNDateRec* notes) {
    if (!common || !notes)
        return false;
    LNCopyText(notes->szSubject, common->szDescription, 255);
    LNCopyText(notes->szLocation, common->szLocation, 255);
    SystemTimeToVariantTime(&common->stStart, &notes->dtStartDateTime);
    SystemTimeToVariantTime(&common->stEnd, &notes->dtEndDateTime);
    LNCopyText(notes->szBody, common->szNote, 20479);
    notes->bPrivate = common->nPrivate != 0;
    RepeatFromComm(common, notes);
    return true;
}
