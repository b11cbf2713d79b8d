// Calendar: the field catalogue, field texts and setting common fields from
// text (library build).
#include "CxLNFieldCatalog.h"
#include "common/lotus/exchange/CxLNDate.h"

namespace {

#define ROW(id, label, type, member) LN_FIELD_ROW(tagCxLNDateRec, id, label, type, member)

// Sizes are the record fields' own: "Repeats" holds 10 bytes, the time
// zones 64, so no reader runs past them.
const tagLNFieldRow kRows[] = {
    ROW(0, "Subject", TEXT, szSubject),
    ROW(1, "Location", TEXT, szLocation),
    ROW(2, "Repeats", TEXT, szRepeats),
    ROW(3, "Resources", TEXT, szResources),
    ROW(4, "Body", TEXT, szBody),
    ROW(5, "End Date", DATE, dtEndDate),
    ROW(6, "End Date & Time", DATE, dtEndDateTime),
    ROW(7, "End Time", DATE, dtEndTime),
    ROW(8, "Start Date", DATE, dtStartDate),
    ROW(9, "Start Date & Time", DATE, dtStartDateTime),
    ROW(10, "Start Time", DATE, dtStartTime),
    ROW(11, "Start Time Zone", TEXT, szStartTimeZone),
    ROW(12, "End Time Zone", TEXT, szEndTimeZone),
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
    LN_EMPTY_ROW,
};

#undef ROW

const tagLNCatalog kCatalog = {kRows, sizeof kRows / sizeof kRows[0] + 1, true};

const tagLNCommTextRow kCommTexts[] = {
    LN_COMM_TEXT_ROW(tagCommDateRec, 0, szDescription, 255),
    LN_COMM_TEXT_ROW(tagCommDateRec, 1, szLocation, 255),
    LN_COMM_TEXT_ROW(tagCommDateRec, 4, szNote, 8191),
};

} // namespace

LN_CATALOG_OPERATIONS(CxLNDateUtil, tagCxLNDateRec, kCatalog)
LN_CATALOG_TEXT_OPERATIONS(CxLNDateUtil, tagCxLNDateRec, tagCommDateRec, kCatalog, kCommTexts)
