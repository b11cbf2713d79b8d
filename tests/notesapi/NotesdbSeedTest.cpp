// The sample data of notesdb: deterministic, and carrying the forms the
// engine must cope with.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <strings.h>

#include "notesapi/notesdb/ItemText.h"
#include "notesapi/notesdb/SeedData.h"
#include "editods.h"

namespace {

const DbItem* Find(const DbNote& note, const char* name, bool ignoreCase = false) {
    for (const DbItem& item : note.items)
        if (ignoreCase ? strcasecmp(item.name.c_str(), name) == 0 : item.name == name)
            return &item;
    return nullptr;
}

std::string Lines(const DbNote& note) {
    std::string text;
    for (const DbItem& item : note.items)
        text += FormatItem(item) + "\n";
    return text;
}

const char* const kContactItems[] = {"Type",
                                     "Form",
                                     "Comment",
                                     "FullNameInput",
                                     "CompanyName",
                                     "JobTitle",
                                     "FirstName",
                                     "MiddleInitial",
                                     "LastName",
                                     "Title",
                                     "Suffix",
                                     "MailAddress",
                                     "InternetAddress",
                                     "primaryPhoneNumber",
                                     "primaryAddress",
                                     "email_1",
                                     "MiscPhone1",
                                     "MiscPhone2",
                                     "MiscPhone3",
                                     "email_5",
                                     "OfficePhoneNumber",
                                     "PhoneNumber",
                                     "CellPhoneNumber",
                                     "OfficeFAXPhoneNumber",
                                     "PhoneNumber_6",
                                     "PhoneNumber_8",
                                     "HomeFAXPhoneNumber",
                                     "PersPager",
                                     "PhoneNumber_9",
                                     "PhoneNumber_10",
                                     "SametimeLogin",
                                     "Department",
                                     "Location",
                                     "Manager",
                                     "Assistant",
                                     "WebSite",
                                     "Blogsite",
                                     "Spouse",
                                     "Children",
                                     "Birthday",
                                     "Anniversary",
                                     "Custom1",
                                     "Custom2",
                                     "Custom3",
                                     "OfficeStreetAddress",
                                     "OfficeCity",
                                     "OfficeState",
                                     "OfficeZIP",
                                     "OfficeCountry",
                                     "StreetAddress",
                                     "City",
                                     "State",
                                     "ZIP",
                                     "Country",
                                     "OtherStreetAddress",
                                     "OtherCity",
                                     "OtherState",
                                     "OtherZIP",
                                     "OtherCountry",
                                     "Categories",
                                     "FullName"};

} // namespace

TEST(NotesdbSeed, SameSeedSameDocumentsAndAnotherSeedOthers) {
    for (const char* kind : {"contacts", "appointments", "tasks"}) {
        SeedMaker make = FindSeedMaker(kind);
        ASSERT_NE(make, nullptr) << kind;
        DbNote a, b, c;
        make(1, 17, &a);
        make(1, 17, &b);
        make(2, 17, &c);
        EXPECT_EQ(Lines(a), Lines(b)) << kind;
        EXPECT_NE(Lines(a), Lines(c)) << kind;
    }
    EXPECT_EQ(FindSeedMaker("notes"), nullptr);
}

TEST(NotesdbSeed, ContactsCoverTheWholeItemTable) {
    std::set<std::string> seen, listCategories, dollar;
    bool longComment = false, otherCase = false;
    for (unsigned long i = 0; i < 40; ++i) {
        DbNote note;
        MakeContact(1, i, &note);
        EXPECT_EQ(Find(note, "Form")->value, "Person");
        for (const char* name : kContactItems)
            if (Find(note, name, true))
                seen.insert(name);
        for (const DbItem& item : note.items) {
            if (item.name[0] == '$')
                dollar.insert(item.name);
            if (item.name == "FIRSTNAME" || item.name == "firstname")
                otherCase = true;
        }
        const DbItem* categories = Find(note, "Categories");
        if (categories->type == TYPE_TEXT_LIST)
            listCategories.insert(categories->value);
        longComment = longComment || Find(note, "Comment")->value.size() > 4095;
        if (const DbItem* birthday = Find(note, "Birthday")) {
            EXPECT_EQ(birthday->type, TYPE_TIME);
        }
    }
    EXPECT_EQ(seen.size(), sizeof kContactItems / sizeof kContactItems[0]);
    EXPECT_GT(listCategories.size(), 1u);
    EXPECT_TRUE(longComment);
    EXPECT_TRUE(otherCase);
    EXPECT_FALSE(dollar.empty());
}

TEST(NotesdbSeed, AppointmentsMixRepeatsAccessBodiesAndResponses) {
    bool repeating = false, single = false, isPrivate = false, isPublic = false, response = false,
         midnight = false, noon = false;
    for (unsigned long i = 0; i < 48; ++i) {
        DbNote note;
        MakeAppointment(1, i, &note);
        EXPECT_EQ(Find(note, "Form")->value, "Appointment");
        if (const DbItem* repeats = Find(note, "Repeats")) {
            repeating = true;
            const DbItem* repeatFor = Find(note, "RepeatFor");
            ASSERT_NE(repeatFor, nullptr);
            EXPECT_EQ(repeatFor->type, TYPE_NUMBER);
            for (const char* name :
                 {"RepeatUnit", "RepeatInterval", "RepeatStartDate", "RepeatHow", "RepeatUntil",
                  "RepeatForUnit", "RepeatWeekends", "RepeatCustom"})
                EXPECT_NE(Find(note, name), nullptr) << name;
            EXPECT_EQ(repeats->value, "1");
        } else {
            single = true;
        }
        (Find(note, "$PublicAccess")->value == "0" ? isPrivate : isPublic) = true;
        response = response || Find(note, "$REF");
        TIMEDATE start;
        std::memcpy(&start, Find(note, "StartDateTime")->value.data(), sizeof start);
        midnight = midnight || start.Innards[0] / 360000 == 0;
        noon = noon || start.Innards[0] / 360000 == 12;
        if (const DbItem* body = Find(note, "Body")) {
            ASSERT_EQ(body->type, TYPE_COMPOSITE);
            WORD signature, length;
            std::memcpy(&signature, body->value.data(), 2);
            std::memcpy(&length, body->value.data() + 2, 2);
            EXPECT_EQ(signature, SIG_CD_PABDEFINITION);
            EXPECT_EQ(length, 70);
            EXPECT_EQ(body->value.size() % 2, 0u);
            EXPECT_NE(body->value.find("Agenda"), std::string::npos);
            EXPECT_EQ(body->value.find('\r'), std::string::npos);
        }
    }
    EXPECT_TRUE(repeating && single && isPrivate && isPublic && response && midnight && noon);
}

TEST(NotesdbSeed, TasksMixDueDatesImportanceAndAccess) {
    std::set<std::string> importance;
    bool due = false, noDue = false, isPrivate = false, isPublic = false;
    for (unsigned long i = 0; i < 24; ++i) {
        DbNote note;
        MakeTask(1, i, &note);
        EXPECT_EQ(Find(note, "Form")->value, "Task");
        importance.insert(Find(note, "Importance")->value);
        (Find(note, "DueDateTime") ? due : noDue) = true;
        (Find(note, "$PublicAccess")->value == "0" ? isPrivate : isPublic) = true;
    }
    EXPECT_EQ(importance, (std::set<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(due && noDue && isPrivate && isPublic);
}
