// Appointment documents: one-off and repeating entries, private and public,
// rich-text bodies, and every tenth a response carrying "$REF".
#include <cstdio>
#include <string>

#include "SeedData.h"

namespace {

const char* const kSubject[] = {
    "Team meeting",       "Dentist",       "Budget review", "Lunch with Rosa",
    "Quarterly planning", "Call supplier", "Training",      "Project kick-off"};
const char* const kPlace[] = {"Room 1.12", "Cafeteria", "Online", "Head office", "Client site", ""};
const char* const kZone[] = {"Z=-1$DO=1$DL=3 -1 1 10 -1 1$ZN=W. Europe",
                             "Z=5$DO=1$DL=3 2 1 11 1 1$ZN=Eastern"};

struct RepeatKind {
    const char* how;
    const char* unit;
    const char* forUnit;
};
const RepeatKind kRepeat[] = {
    {"D", "D", "D"}, {"W", "W", "W"}, {"M", "MP", "M"}, {"M", "MD", "M"}, {"Y", "Y", "Y"}};

void AddRepeat(SeedRandom& r, int year, int month, int day, DbNote* note) {
    const RepeatKind& kind = kRepeat[r.Below(5)];
    AddText(note, "Repeats", "1");
    AddText(note, "RepeatUnit", kind.unit);
    AddText(note, "RepeatInterval", std::to_string(1 + r.Below(3)));
    AddText(note, "RepeatAdjust", kind.unit[0] == 'W' || kind.unit[1] == 'P' ? "2" : "");
    AddText(note, "RepeatFromEnd", "");
    AddTime(note, "RepeatStartDate", MakeDateOnly(year, month, day));
    AddText(note, "RepeatHow", kind.how);
    AddTime(note, "RepeatUntil", MakeDateOnly(year + 1, month, day));
    AddNumber(note, "txtNum", 1);
    AddText(note, "RepeatForUnit", kind.forUnit);
    AddNumber(note, "RepeatFor", 2 + r.Below(9));
    AddText(note, "RepeatWeekends", "D");
    AddTime(note, "RepeatCustom", MakeDateOnly(year, month, day));
}

std::string BodyText(SeedRandom& r, unsigned long index) {
    std::string text = "Agenda for entry " + std::to_string(index) + ":\r\n";
    unsigned points = 1 + r.Below(4);
    for (unsigned i = 1; i <= points; ++i)
        text += std::to_string(i) + ". Item " + std::to_string(r.Below(100)) + "\r\n";
    return text + "Regards";
}

} // namespace

void MakeAppointment(unsigned seed, unsigned long index, DbNote* note) {
    SeedRandom r(seed, 2, index);
    note->items.clear();
    int year, month, day;
    DayAfter2020(static_cast<long>(r.Below(730)) - 100, &year, &month, &day);
    // Every hour of the day, the midnight hour and noon included.
    int hour = static_cast<int>(index % 24), minute = static_cast<int>(r.Below(4) * 15);
    int endHour = hour < 23 ? hour + 1 : hour, endMinute = hour < 23 ? minute : 59;
    const bool isPrivate = index % 4 == 1, repeats = index % 3 == 2;

    AddText(note, "Form", "Appointment");
    AddText(note, "AppointmentType", index % 5 == 4 ? "3" : "0");
    AddNumber(note, "$Alarm", 1);
    AddText(note, "$AlarmDescription", "Ring Me");
    AddNumber(note, "$AlarmOffset", -5);
    AddText(note, "ORGTABLE", "C0");
    AddText(note, "$PublicAccess", isPrivate ? "0" : "1");
    AddText(note, "From", "From");
    AddText(note, "SendTo", "");
    AddNumber(note, "_ViewIcon", 160);
    AddText(note, "Subject", std::string(r.Pick(kSubject)) + " " + std::to_string(index));
    AddText(note, "Location", r.Pick(kPlace));
    if (index % 6 == 0)
        AddText(note, "Resources", "Projector");
    AddTime(note, "StartDate", MakeDateOnly(year, month, day));
    AddTime(
        note, "StartTime",
        TIMEDATE{{static_cast<DWORD>((hour * 60 + minute) * 6000), static_cast<DWORD>(ANYDAY)}});
    AddTime(note, "StartDateTime", MakeTime(year, month, day, hour, minute, 0));
    AddTime(note, "EndDate", MakeDateOnly(year, month, day));
    AddTime(note, "EndDateTime", MakeTime(year, month, day, endHour, endMinute, 0));
    const char* zone = kZone[r.Below(2)];
    AddText(note, "StartTimeZone", zone);
    AddText(note, "EndTimeZone", zone);
    if (repeats)
        AddRepeat(r, year, month, day, note);
    AddText(note, "$CSFlags", "c");
    if (index % 10 == 7)
        AddText(note, "$REF", "response to entry " + std::to_string(index - 1));
    if (index % 8 != 5)
        AddRichText(note, "Body", BodyText(r, index));
}
