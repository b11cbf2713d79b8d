// The calendar manager's default key lists and the calendar catalogue (both builds).
#include "CommDateMgr.h"

namespace {

const int32_t kMatchKeys[] = {1, 2, 3, 13};
const int32_t kCompareKeys[] = {9};

#define ROW(key, label, textSize, member, show, same)                                              \
    COMM_FIELD_ROW(tagCommDateRec, key, label, NONE, textSize, member, show, same)

// "Start Time" and "End Time" show the time of day but compare the day;
// "Importance" has no text form.
const tagCommFieldRow kRows[] = {
    ROW(1, "Description", 256, szDescription, TEXT, TEXT),
    ROW(2, "Start Time", 32, stStart, TIME, DAY),
    ROW(3, "End Time", 32, stEnd, TIME, DAY),
    ROW(4, "Start Date Time", 32, stStart, DATE_TIME, MOMENT),
    ROW(5, "End Date Time", 32, stEnd, DATE_TIME, MOMENT),
    ROW(6, "Date", 32, stStart, DATE, DAY),
    ROW(7, "Note", 4096, szNote, TEXT, TEXT_LINE),
    ROW(8, "Private", 8, nPrivate, YES_NO, VALUE),
    ROW(9, "Location", 256, szLocation, TEXT, TEXT),
    ROW(10, "Importance", 8, nImportance, NOTHING, VALUE),
    ROW(11, "Category", 32, szCategory, TEXT, TEXT),
    ROW(12, "Alarm", 8, nAlarm, YES_NO, VALUE),
    ROW(13, "All Day Event", 8, nAllDayEvent, YES_NO, VALUE),
    ROW(14, "Repeat", 256, nRepeatKind, REPEAT, OWN),
};

#undef ROW

} // namespace

const tagCommFieldTable kCommDateFields = {kRows, sizeof kRows / sizeof kRows[0], false};

CommDateMgr::CommDateMgr() : CxCommRecMgr(kMatchKeys, kCompareKeys) {}
