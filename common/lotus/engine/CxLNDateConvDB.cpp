// Common calendar record to Notes calendar entry.
#include "common/lotus/exchange/CxLNDate.h"

#include <cmath>

#include "common/lotus/exchange/CxLNText.h"
#include "common/misc/CxString.h"

namespace {

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
