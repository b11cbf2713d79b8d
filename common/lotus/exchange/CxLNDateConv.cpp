// Notes calendar entry to common calendar record.
#include "CxLNDate.h"

#include <cstring>

#include "common/lotus/exchange/CxLNText.h"

namespace {

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
