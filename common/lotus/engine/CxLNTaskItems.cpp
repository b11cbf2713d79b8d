#include "CxLNTaskItems.h"

#include <cctype>
#include <cstddef>
#include <cstring>

#include "common/lotus/engine/CxLNMailItems.h"
#include "common/lotus/engine/CxLNRichText.h"
#include "common/lotus/exchange/CxLNText.h"
#include "common/misc/CxString.h"

namespace {

#define TEXT(f) LN_MAIL_FIELD(tagCxLNTaskRec, TEXT, f)
#define TIME(f) LN_MAIL_FIELD(tagCxLNTaskRec, TIME, f)
#define NONE LN_MAIL_VALUE(NONE)

// The ids are the positions.
const tagLNItemEntry kItemTable[] = {
    {"Subject", 0},
    {"Body", 1},
    {"Repeats", 2},
    {"Categories", 3},
    {"Importance", 4},
    {"$PublicAccess", 5},
    {"TaskType", 6},
    {"DueDateTime", 7},
    {"StartDate", 8},
    {"EndDate", 9},
    {"DueState", 10},
    {"$Alarm", 11},
    {"$AlarmUnit", 12},
    {"$AlarmMemoOptions", 13},
    {"$AlarmDescription", 14},
    {"$AlarmOffset", 15},
    {"Alarms", 16},
    {"RepeatUnit", 17},
    {"RepeatInterval", 18},
    {"RepeatAdjust", 19},
    {"RepeatFromEnd", 20},
    {"RepeatStartDate", 21},
    {"RepeatHow", 22},
    {"RepeatUntil", 23},
    {"txtNum", 24},
    {"RepeatForUnit", 25},
    {"RepeatFor", 26},
    {"RepeatWeekends", 27},
    {"RepeatCustom", 28},
    {"$CSFlags", 29},
    {"$REF", 30},
};
const int kItemCount = sizeof kItemTable / sizeof kItemTable[0];
static_assert(kItemCount == 31, "the task item table has 31 entries");

// Indexed by field id. "TaskType" is read too, since it is written back.
const tagLNMailField kFields[kItemCount] = {
    TEXT(szSubject),
    LN_MAIL_FIELD(tagCxLNTaskRec, BODY, szBody),
    TEXT(szRepeats),
    TEXT(szCategories),
    LN_MAIL_VALUE(OWN), // ReadImportance
    LN_MAIL_VALUE(PUBLIC),
    TEXT(szTaskType),
    TIME(dtDueDate),
    TIME(dtStartDate),
    TIME(dtEndDate),
    NONE, // DueState
    NONE, // $Alarm
    NONE, // $AlarmUnit
    NONE, // $AlarmMemoOptions
    NONE, // $AlarmDescription
    NONE, // $AlarmOffset
    TEXT(szAlarmString),
    TEXT(szRepeatUnit),
    TEXT(szRepeatInterval),
    TEXT(szRepeatAdjust),
    TEXT(szRepeatFromEnd),
    TIME(dtRepeatStartDate),
    TEXT(szRepeatHow),
    TIME(dtRepeatUntil),
    NONE, // txtNum
    TEXT(szRepeatForUnit),
    NONE, // RepeatFor
    TEXT(szRepeatWeekends),
    TIME(dtRepeatCustom),
    TEXT(szCSFlags),
    LN_MAIL_VALUE(RESPONSE),
};

#undef TEXT
#undef TIME
#undef NONE

const std::size_t kPrefix = 31; // characters of "Importance" and "$PublicAccess" read

// The leading digits of the text's first characters; 0 when it does not
// start with one (a sign does not count).
int32_t LeadingNumber(const char* value, std::size_t length) {
    if (length == 0 || !std::isdigit(static_cast<unsigned char>(value[0])))
        return 0;
    return LNTextToInt(value, length < kPrefix ? length : kPrefix);
}

void ReadImportance(tagCxLNTaskRec* rec, WORD type, const char* value, std::size_t length) {
    if (type == TYPE_TEXT)
        rec->nImportance = LeadingNumber(value, length);
}

void ReadItem(void* record, int id, WORD type, const char* value, std::size_t length) {
    LNReadMailItem(kFields, record, id, type, value, length, ReadImportance);
}

// A body is written as text only: a rich-text body that differs is left
// alone and reported rather than turned into plain text.
void WriteBody(const tagCxLNTaskRec* rec, const tagLNItemWriter& writer) {
    char stored[sizeof rec->szBody];
    if (LNReadBody(writer.hNote, "Body", stored, sizeof stored) == LN_BODY_RICH_TEXT) {
        if (*rec->szBody && std::strcmp(stored, rec->szBody) != 0)
            LNReportLeftAlone(writer, "Body");
        return;
    }
    LNWriteText(writer, "Body", rec->szBody);
}

} // namespace

const tagLNItemKind kLNTaskItems = {kItemTable, kItemCount, false, LNMailTakesType, ReadItem};

bool LNWriteTaskItems(const tagCxLNTaskRec* rec, const tagLNItemWriter& writer) {
    if (!rec || writer.hNote == NULLHANDLE)
        return false;
    LNWriteText(writer, "Subject", rec->szSubject);
    LNWriteText(writer, "Repeats", rec->szRepeats);
    WriteBody(rec, writer);
    LNWriteTimeItem(writer, "DueDateTime", rec->dtDueDate);
    char importance[32];
    CxStrFormat(importance, sizeof importance, "%d", rec->nImportance);
    LNWriteText(writer, "Importance", importance);
    LNWriteTextItem(writer, "$PublicAccess", rec->bPrivate ? "0" : "1", kPrefix + 1);
    // Offered for update, so they go back too.
    LNWriteText(writer, "TaskType", rec->szTaskType);
    LNWriteTimeItem(writer, "StartDate", rec->dtStartDate);
    LNWriteTimeItem(writer, "EndDate", rec->dtEndDate);
    return true;
}

void LNWriteNewTaskItems(NOTEHANDLE note, bool isPrivate) {
    LNNewText(note, "Form", "Task");
    LNNewText(note, "TaskType", "1");
    LNNewMailItems(note, "T0", isPrivate);
}
