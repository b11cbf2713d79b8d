#include "CxLNDateItems.h"

#include <cmath>
#include <cstddef>
#include <cstring>

#include "common/lotus/CxLNCommon.h"
#include "common/lotus/CxLNMailItems.h"
#include "common/lotus/CxLNRichText.h"
#include "common/misc/CxString.h"

namespace {

enum LNValue { LN_NONE, LN_TEXT, LN_TIME, LN_BODY, LN_REPEAT_FOR, LN_RESPONSE, LN_PUBLIC };

struct tagDateField {
    LNValue nValue;
    std::size_t nOffset;
    std::size_t nSize;
};

#define TEXT(f)                                                                                    \
    { LN_TEXT, offsetof(tagCxLNDateRec, f), sizeof(tagCxLNDateRec::f) }
#define TIME(f)                                                                                    \
    { LN_TIME, offsetof(tagCxLNDateRec, f), sizeof(tagCxLNDateRec::f) }
#define NONE                                                                                       \
    { LN_NONE, 0, 0 }

const int kNotRead = -1;

// The ids are the positions; "$PublicAccess" comes last so that the others
// keep theirs.
const tagLNItemEntry kItemTable[] = {
    {"Subject", 0},
    {"Location", 1},
    {"Repeats", 2},
    {"Resources", 3},
    {"Body", 4},
    {"EndDate", kNotRead},
    {"EndDateTime", 6},
    {"EndTime", kNotRead},
    {"StartDate", kNotRead},
    {"StartDateTime", 9},
    {"StartTime", kNotRead},
    {"StartTimeZone", 11},
    {"EndTimeZone", 12},
    {"RepeatUnit", 13},
    {"RepeatInterval", 14},
    {"RepeatAdjust", 15},
    {"RepeatFromEnd", 16},
    {"RepeatStartDate", 17},
    {"RepeatHow", 18},
    {"RepeatUntil", 19},
    {"txtNum", 20},
    {"RepeatForUnit", 21},
    {"RepeatFor", 22},
    {"RepeatWeekends", 23},
    {"RepeatCustom", 24},
    {"$CSFlags", 25},
    {"AppointmentType", 26},
    {"$REF", 27},
    {"$PublicAccess", 28},
};
const int kItemCount = sizeof kItemTable / sizeof kItemTable[0];

// Indexed by field id.
const tagDateField kFields[kItemCount] = {
    TEXT(szSubject),
    TEXT(szLocation),
    TEXT(szRepeats),
    TEXT(szResources),
    {LN_BODY, offsetof(tagCxLNDateRec, szBody), sizeof(tagCxLNDateRec::szBody)},
    NONE,
    TIME(dtEndDateTime),
    NONE,
    NONE,
    TIME(dtStartDateTime),
    NONE,
    TEXT(szStartTimeZone),
    TEXT(szEndTimeZone),
    TEXT(szRepeatUnit),
    TEXT(szRepeatInterval),
    TEXT(szRepeatAdjust),
    TEXT(szRepeatFromEnd),
    TIME(dtRepeatStartDate),
    TEXT(szRepeatHow),
    TIME(dtRepeatUntil),
    NONE, // txtNum
    TEXT(szRepeatForUnit),
    {LN_REPEAT_FOR, 0, 0},
    TEXT(szRepeatWeekends),
    TIME(dtRepeatCustom),
    TEXT(szCSFlags),
    TEXT(szAppointmentType),
    {LN_RESPONSE, 0, 0},
    {LN_PUBLIC, 0, 0},
};

#undef TEXT
#undef TIME
#undef NONE

bool TakesType(WORD type) {
    return type == TYPE_TEXT || type == TYPE_TIME || type == TYPE_NUMBER || type == TYPE_COMPOSITE;
}

int32_t RepeatCount(const char* value, std::size_t length) {
    NUMBER number = 0;
    if (length < sizeof number)
        return 0;
    std::memcpy(&number, value, sizeof number);
    if (!(number > -1e9 && number < 1e9)) // also refuses NaN
        return 0;
    return static_cast<int32_t>(number);
}

void ReadItem(void* record, int id, WORD type, const char* value, std::size_t length) {
    if (id < 0 || id >= kItemCount)
        return;
    tagCxLNDateRec* rec = static_cast<tagCxLNDateRec*>(record);
    const tagDateField& field = kFields[id];
    char* target = reinterpret_cast<char*>(rec) + field.nOffset;
    switch (field.nValue) {
    case LN_BODY:
        if (type == TYPE_COMPOSITE) {
            LNRichTextToText(value, length, target, field.nSize);
            break;
        }
        [[fallthrough]];
    case LN_TEXT:
        if (type == TYPE_TEXT && length > 0)
            CxStrCopyN(target, field.nSize, value, length);
        break;
    case LN_TIME:
        if (type == TYPE_TIME && length >= sizeof(TIMEDATE)) {
            TIMEDATE time;
            std::memcpy(&time, value, sizeof time);
            TIMEDATEToVariantTime(&time, reinterpret_cast<double*>(target));
        }
        break;
    case LN_REPEAT_FOR:
        if (type == TYPE_NUMBER)
            rec->nRepeatFor = RepeatCount(value, length);
        break;
    case LN_RESPONSE:
        rec->bResponse = 1;
        break;
    case LN_PUBLIC:
        if (type == TYPE_TEXT)
            rec->bPrivate = LNIsPrivate(value, length);
        break;
    case LN_NONE:
        break;
    }
}

template <std::size_t N>
void WriteText(const tagLNItemWriter& writer, const char* item, const char (&value)[N]) {
    LNWriteTextItem(writer, item, value, N);
}

void WriteRepeatItems(const tagCxLNDateRec* rec, const tagLNItemWriter& writer) {
    WriteText(writer, "RepeatUnit", rec->szRepeatUnit);
    WriteText(writer, "RepeatInterval", rec->szRepeatInterval);
    WriteText(writer, "RepeatAdjust", rec->szRepeatAdjust);
    WriteText(writer, "RepeatFromEnd", rec->szRepeatFromEnd);
    LNWriteTimeItem(writer, "RepeatStartDate", rec->dtRepeatStartDate);
    WriteText(writer, "RepeatHow", rec->szRepeatHow);
    LNWriteTimeItem(writer, "RepeatUntil", rec->dtRepeatUntil);
    WriteText(writer, "RepeatForUnit", rec->szRepeatForUnit);
    LNWriteNumberItem(writer, "RepeatFor", rec->nRepeatFor);
    WriteText(writer, "RepeatWeekends", rec->szRepeatWeekends);
    LNWriteTimeItem(writer, "RepeatCustom", rec->dtRepeatCustom);
}

} // namespace

const tagLNItemKind kLNDateItems = {kItemTable, kItemCount, false, TakesType, ReadItem};

bool LNWriteDateItems(const tagCxLNDateRec* rec, const tagLNItemWriter& writer) {
    if (!rec || writer.hNote == NULLHANDLE)
        return false;
    WriteText(writer, "Subject", rec->szSubject);
    WriteText(writer, "Location", rec->szLocation);
    WriteText(writer, "Repeats", rec->szRepeats);
    WriteText(writer, "Resources", rec->szResources);
    // One "Body": a plain-text body stays text, any other goes as rich text.
    char stored[sizeof rec->szBody];
    const LNBodyType body = LNReadBody(writer.hNote, "Body", stored, sizeof stored);
    const bool richBody = body == LN_BODY_NONE || body == LN_BODY_RICH_TEXT;
    if (!richBody)
        WriteText(writer, "Body", rec->szBody);
    LNWriteTimeItem(writer, "EndDateTime", rec->dtEndDateTime);
    LNWriteTimeItem(writer, "StartDateTime", rec->dtStartDateTime);
    WriteText(writer, "AppointmentType", rec->szAppointmentType);
    if (*rec->szRepeats)
        WriteRepeatItems(rec, writer);
    if (richBody)
        LNWriteRichTextItem(writer, "Body", rec->szBody, sizeof rec->szBody);
    return true;
}

void LNWriteAppointmentItems(NOTEHANDLE note, bool isPrivate) {
    LNNewText(note, "Form", "Appointment");
    LNNewText(note, "AppointmentType", "0");
    LNNewMailItems(note, "C0", isPrivate);
}
