#include "CxLNDateItems.h"

#include <cstddef>
#include <cstring>

#include "common/lotus/engine/CxLNMailItems.h"
#include "common/lotus/engine/CxLNRichText.h"

namespace {

#define TEXT(f) LN_MAIL_FIELD(tagCxLNDateRec, TEXT, f)
#define TIME(f) LN_MAIL_FIELD(tagCxLNDateRec, TIME, f)
#define NONE LN_MAIL_VALUE(NONE)

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
const tagLNMailField kFields[kItemCount] = {
    TEXT(szSubject),
    TEXT(szLocation),
    TEXT(szRepeats),
    TEXT(szResources),
    LN_MAIL_FIELD(tagCxLNDateRec, BODY, szBody),
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
    LN_MAIL_VALUE(OWN), // ReadRepeatFor
    TEXT(szRepeatWeekends),
    TIME(dtRepeatCustom),
    TEXT(szCSFlags),
    TEXT(szAppointmentType),
    LN_MAIL_VALUE(RESPONSE),
    LN_MAIL_VALUE(PUBLIC),
};

#undef TEXT
#undef TIME
#undef NONE

int32_t RepeatCount(const char* value, std::size_t length) {
    NUMBER number = 0;
    if (length < sizeof number)
        return 0;
    std::memcpy(&number, value, sizeof number);
    if (!(number > -1e9 && number < 1e9)) // also refuses NaN
        return 0;
    return static_cast<int32_t>(number);
}

void ReadRepeatFor(tagCxLNDateRec* rec, WORD type, const char* value, std::size_t length) {
    if (type == TYPE_NUMBER)
        rec->nRepeatFor = RepeatCount(value, length);
}

void ReadItem(void* record, int id, WORD type, const char* value, std::size_t length) {
    LNReadMailItem(kFields, record, id, type, value, length, ReadRepeatFor);
}

void WriteRepeatItems(const tagCxLNDateRec* rec, const tagLNItemWriter& writer) {
    LNWriteText(writer, "RepeatUnit", rec->szRepeatUnit);
    LNWriteText(writer, "RepeatInterval", rec->szRepeatInterval);
    LNWriteText(writer, "RepeatAdjust", rec->szRepeatAdjust);
    LNWriteText(writer, "RepeatFromEnd", rec->szRepeatFromEnd);
    LNWriteTimeItem(writer, "RepeatStartDate", rec->dtRepeatStartDate);
    LNWriteText(writer, "RepeatHow", rec->szRepeatHow);
    LNWriteTimeItem(writer, "RepeatUntil", rec->dtRepeatUntil);
    LNWriteText(writer, "RepeatForUnit", rec->szRepeatForUnit);
    LNWriteNumberItem(writer, "RepeatFor", rec->nRepeatFor);
    LNWriteText(writer, "RepeatWeekends", rec->szRepeatWeekends);
    LNWriteTimeItem(writer, "RepeatCustom", rec->dtRepeatCustom);
}

} // namespace

const tagLNItemKind kLNDateItems = {kItemTable, kItemCount, false, LNMailTakesType, ReadItem};

bool LNWriteDateItems(const tagCxLNDateRec* rec, const tagLNItemWriter& writer) {
    if (!rec || writer.hNote == NULLHANDLE)
        return false;
    LNWriteText(writer, "Subject", rec->szSubject);
    LNWriteText(writer, "Location", rec->szLocation);
    LNWriteText(writer, "Repeats", rec->szRepeats);
    LNWriteText(writer, "Resources", rec->szResources);
    // One "Body": a plain-text body stays text, any other goes as rich text.
    char stored[sizeof rec->szBody];
    const LNBodyType body = LNReadBody(writer.hNote, "Body", stored, sizeof stored);
    const bool richBody = body == LN_BODY_NONE || body == LN_BODY_RICH_TEXT;
    if (!richBody)
        LNWriteText(writer, "Body", rec->szBody);
    LNWriteTimeItem(writer, "EndDateTime", rec->dtEndDateTime);
    LNWriteTimeItem(writer, "StartDateTime", rec->dtStartDateTime);
    LNWriteText(writer, "AppointmentType", rec->szAppointmentType);
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
