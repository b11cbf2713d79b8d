// Task documents: with and without due dates, importance "1" to "3",
// private and public, some repeating, some responses.
#include <string>

#include "SeedData.h"

namespace {

const char* const kSubject[] = {"Send invoice", "Renew licence",  "Book flights",
                                "Write report", "Order supplies", "Call back Ben"};
const char* const kCategory[] = {"Work", "Home", "Urgent", "Travel"};

} // namespace

void MakeTask(unsigned seed, unsigned long index, DbNote* note) {
    SeedRandom r(seed, 3, index);
    note->items.clear();
    int year, month, day;
    DayAfter2020(static_cast<long>(r.Below(730)), &year, &month, &day);
    const bool isPrivate = index % 4 == 3, hasDue = index % 3 != 1;

    AddText(note, "Form", "Task");
    AddText(note, "TaskType", "1");
    AddNumber(note, "$Alarm", 1);
    AddText(note, "$AlarmDescription", "Ring Me");
    AddNumber(note, "$AlarmOffset", -5);
    AddText(note, "ORGTABLE", "T0");
    AddText(note, "$PublicAccess", isPrivate ? "0" : "1");
    AddText(note, "From", "From");
    AddText(note, "SendTo", "");
    AddNumber(note, "_ViewIcon", 160);
    AddText(note, "Subject", std::string(r.Pick(kSubject)) + " " + std::to_string(index));
    AddText(note, "Body", "Details of task " + std::to_string(index) + "\r\nSecond line");
    AddText(note, "Categories", r.Pick(kCategory));
    AddText(note, "Importance", std::to_string(1 + index % 3));
    if (hasDue) {
        AddTime(note, "DueDateTime",
                MakeTime(year, month, day, static_cast<int>(index % 24), 30, 0));
        AddTime(note, "StartDate", MakeDateOnly(year, month, day));
        AddNumber(note, "DueState", 1);
    }
    if (index % 5 == 0) {
        AddText(note, "Repeats", "1");
        AddText(note, "RepeatUnit", "W");
        AddText(note, "RepeatInterval", "1");
        AddText(note, "RepeatHow", "W");
        AddTime(note, "RepeatStartDate", MakeDateOnly(year, month, day));
        AddTime(note, "RepeatUntil", MakeDateOnly(year, month + (month < 12), day));
        AddText(note, "RepeatForUnit", "W");
        AddNumber(note, "RepeatFor", 4);
    }
    AddText(note, "$AlarmUnit", "M");
    AddText(note, "Alarms", index % 2 ? "1" : "");
    AddText(note, "$CSFlags", "c");
    if (index % 10 == 8)
        AddText(note, "$REF", "response to task " + std::to_string(index - 1));
}
