// Calendar: the repeat comparison and the update of stored records (library
// build); the other fields match by the catalogue.
#include "common/pim/CommDateMgr.h"
#include "common/pim/CommMatch.h"

namespace {

const int kKeyRepeat = 14;

bool RepeatEqual(const tagCommDateRec* a, const tagCommDateRec* b) {
    return a->nRepeatKind == b->nRepeatKind && a->nRepeatInterval == b->nRepeatInterval &&
           a->nRepeatWeekday == b->nRepeatWeekday && a->nRepeatDay == b->nRepeatDay &&
           a->nRepeatMonth == b->nRepeatMonth;
}

} // namespace

bool CommDateMgr::IsFieldEqual(int key, const tagCommDateRec* a, const tagCommDateRec* b) const {
    if (key == kKeyRepeat)
        return RepeatEqual(a, b);
    return CommFieldEqual(kCommDateFields, key, a, b, 0);
}

// Texts unless empty; times, repeat values and the other numbers always.
// The source stays: the stored record still comes from this source.
bool CommDateMgr::UpdateRec(int position, const tagCommDateRec* record) {
    tagCommDateRec* stored = CommRecAt<tagCommDateRec>(m_pRecords, position);
    if (!stored || !record)
        return false;
    CommTakeText(stored->szDescription, record->szDescription, false);
    CommTakeText(stored->szLocation, record->szLocation, false);
    CommTakeText(stored->szNote, record->szNote, false);
    CommTakeText(stored->szCategory, record->szCategory, false);
    stored->nAllDayEvent = record->nAllDayEvent;
    stored->stStart = record->stStart;
    stored->stEnd = record->stEnd;
    stored->nAlarm = record->nAlarm;
    stored->nRepeatKind = record->nRepeatKind;
    stored->bRepeatUntil = record->bRepeatUntil;
    stored->stRepeatStart = record->stRepeatStart;
    stored->stRepeatUntil = record->stRepeatUntil;
    stored->nRepeatInterval = record->nRepeatInterval;
    stored->nRepeatWeekday = record->nRepeatWeekday;
    stored->nRepeatDay = record->nRepeatDay;
    stored->nRepeatMonth = record->nRepeatMonth;
    stored->nPrivate = record->nPrivate;
    stored->nImportance = record->nImportance;
    return true;
}
