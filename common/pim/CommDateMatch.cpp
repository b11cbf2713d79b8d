// Calendar: matching and update of stored records (library build).
#include "common/pim/CommDateMgr.h"
#include "common/pim/CommMatch.h"

namespace {

enum {
    KEY_DESCRIPTION = 1,
    KEY_START_TIME = 2,
    KEY_END_TIME = 3,
    KEY_START_DATE_TIME = 4,
    KEY_END_DATE_TIME = 5,
    KEY_DATE = 6,
    KEY_NOTE = 7,
    KEY_PRIVATE = 8,
    KEY_LOCATION = 9,
    KEY_IMPORTANCE = 10,
    KEY_CATEGORY = 11,
    KEY_ALARM = 12,
    KEY_ALL_DAY = 13,
    KEY_REPEAT = 14,
};

bool RepeatEqual(const tagCommDateRec* a, const tagCommDateRec* b) {
    return a->nRepeatKind == b->nRepeatKind && a->nRepeatInterval == b->nRepeatInterval &&
           a->nRepeatWeekday == b->nRepeatWeekday && a->nRepeatDay == b->nRepeatDay &&
           a->nRepeatMonth == b->nRepeatMonth;
}

} // namespace

int CommDateMgr::FindRec(const tagCommDateRec* record, int* position) const {
    return CommFindRec(*this, m_pRecords, record, position);
}

bool CommDateMgr::IsFieldEqual(int key, const tagCommDateRec* a, const tagCommDateRec* b) const {
    switch (key) {
    case KEY_DESCRIPTION:
        return CommTextEqual(a->szDescription, b->szDescription, 0);
    case KEY_START_TIME:
    case KEY_DATE:
        return CompareDate(a->stStart, b->stStart);
    case KEY_END_TIME:
        return CompareDate(a->stEnd, b->stEnd);
    case KEY_START_DATE_TIME:
        return CompareDateTime(a->stStart, b->stStart);
    case KEY_END_DATE_TIME:
        return CompareDateTime(a->stEnd, b->stEnd);
    case KEY_NOTE:
        return CommTextEqual(a->szNote, b->szNote, COMM_TEXT_SKIP_CRLF);
    case KEY_PRIVATE:
        return a->nPrivate == b->nPrivate;
    case KEY_LOCATION:
        return CommTextEqual(a->szLocation, b->szLocation, 0);
    case KEY_IMPORTANCE:
        return a->nImportance == b->nImportance;
    case KEY_CATEGORY:
        return CommTextEqual(a->szCategory, b->szCategory, 0);
    case KEY_ALARM:
        return a->nAlarm == b->nAlarm;
    case KEY_ALL_DAY:
        return a->nAllDayEvent == b->nAllDayEvent;
    case KEY_REPEAT:
        return RepeatEqual(a, b);
    default:
        return true;
    }
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
