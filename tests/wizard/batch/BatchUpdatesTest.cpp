// Field updates from the command line: what they become and what is refused.
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

#include "CivilTime.h"
#include "TestSupport.h"
#include "wizard/batch/BatchKinds.h"
#include "wizard/batch/BatchUpdates.h"

namespace {

double Date(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return testsupport::VariantOf(y, m, d, h, mi, s);
}

struct Accepted {
    const char* kind;
    const char* op;
    const char* text;
    int key;
    int operation;
    const char* value;
    const char* find;
    int position;
};

TEST(BatchUpdates, TextUpdatesBecomeDefinitions) {
    const Accepted cases[] = {
        {"contacts", "set", "Last Name=Miller", 3, FU_OP_SET, "Miller", "", 0},
        {"contacts", "set", "  last NAME =a=b", 3, FU_OP_SET, "a=b", "", 0},
        {"contacts", "set", "Last Name=", 3, FU_OP_SET, "", "", 0},
        {"contacts", "append", "First Name=ny", 1, FU_OP_APPEND, "ny", "", 0},
        {"contacts", "append", "First Name= ", 1, FU_OP_APPEND, " ", "", 0},
        {"contacts", "insert", "Company Name@0=The ", 6, FU_OP_INSERT, "The ", "", 0},
        {"contacts", "insert", "Company Name@ 5 =x", 6, FU_OP_INSERT, "x", "", 5},
        {"contacts", "replace", "Business Street:St=Street", 17, FU_OP_REPLACE, "Street", "St", 0},
        {"contacts", "replace", "Business Street:St=", 17, FU_OP_REPLACE, "", "St", 0},
        {"contacts", "set", "children's names=Tom", 43, FU_OP_SET, "Tom", "", 0},
        {"calendar", "set", "subject=Review", 0, FU_OP_SET, "Review", "", 0},
    };
    for (const Accepted& k : cases) {
        SCOPED_TRACE(std::string(k.op) + " " + k.text);
        tagFUFieldUpdate def;
        std::string error;
        ASSERT_TRUE(ParseBatchUpdate(*FindBatchKind(k.kind), {k.op, k.text, "--x"}, &def, &error))
            << error;
        EXPECT_EQ(def.nFieldKey, k.key);
        EXPECT_EQ(def.nOperation, k.operation);
        EXPECT_STREQ(def.szValue, k.value);
        EXPECT_STREQ(def.szFind, k.find);
        EXPECT_EQ(def.nPosition, k.position);
    }
}

TEST(BatchUpdates, TypedUpdatesBecomeDefinitions) {
    const tagBatchKind& contacts = *FindBatchKind("contacts");
    const tagBatchKind& calendar = *FindBatchKind("calendar");
    const tagBatchKind& tasks = *FindBatchKind("tasks");
    tagFUFieldUpdate def;
    std::string error;
    ASSERT_TRUE(ParseBatchUpdate(contacts, {"date", "Birth Date=1980-05-17", ""}, &def, &error));
    EXPECT_EQ(def.nFieldKey, 46);
    EXPECT_EQ(def.nDateSet, 1);
    EXPECT_EQ(def.dtValue, Date(1980, 5, 17));
    ASSERT_TRUE(ParseBatchUpdate(calendar, {"datetime", "Start Date & Time=2027-01-05 09:30", ""},
                                 &def, &error));
    EXPECT_EQ(def.nFieldKey, 9);
    EXPECT_EQ(def.dtValue, Date(2027, 1, 5, 9, 30));
    ASSERT_TRUE(ParseBatchUpdate(calendar, {"datetime", "End Date & Time=2027-01-05T17:00:15", ""},
                                 &def, &error));
    EXPECT_EQ(def.dtValue, Date(2027, 1, 5, 17, 0, 15));
    ASSERT_TRUE(ParseBatchUpdate(tasks, {"true", "private", ""}, &def, &error));
    EXPECT_EQ(def.nFieldKey, 5);
    EXPECT_EQ(def.bValue, 1);
    ASSERT_TRUE(ParseBatchUpdate(tasks, {"false", "Private", ""}, &def, &error));
    EXPECT_EQ(def.bValue, 0);
}

TEST(BatchUpdates, RefusalsSayWhy) {
    struct Refused {
        const char* kind;
        const char* op;
        const char* text;
        const char* message;
    } cases[] = {
        {"contacts", "append",
         "First Name=", "The append string value can not be empty. Please enter some content."},
        {"contacts", "insert",
         "First Name@2=", "The insert string value can not be empty. Please enter some content."},
        {"contacts", "replace", "First Name:=x",
         "The replace find value can not be empty. Please enter some content."},
        {"contacts", "set", "Nickname=x",
         "Unknown field \"Nickname\" for contacts; see --list-fields contacts."},
        {"contacts", "set", "Last Name", "Write the update as FIELD=VALUE."},
        {"contacts", "insert", "Last Name@x=y",
         "The insert position must be a whole number, 0 or more."},
        {"contacts", "insert", "Last Name@-1=y",
         "The insert position must be a whole number, 0 or more."},
        {"contacts", "insert", "Last Name@3", "Write the insert as FIELD@POSITION=TEXT."},
        {"contacts", "replace", "Last Name:x", "Write the replace as FIELD:FIND=REPLACEMENT."},
        {"contacts", "date", "Last Name=2020-01-01",
         "\"date\" does not fit the String field \"Last Name\"; use set, append, insert, replace or "
         "set-from."},
        {"contacts", "set", "Birth Date=x",
         "\"set\" does not fit the Date field \"Birth Date\"; use date."},
        {"contacts", "date", "Birth Date=2021-02-29", "Write the date as YYYY-MM-DD."},
        {"contacts", "date", "Birth Date=17.05.1980", "Write the date as YYYY-MM-DD."},
        {"contacts", "date", "Birth Date=1980-05-17 10:00", "Write the date as YYYY-MM-DD."},
        {"calendar", "date", "Start Date & Time=2027-01-05",
         "\"date\" does not fit the Date & Time field \"Start Date & Time\"; use datetime."},
        {"calendar", "datetime", "Start Date & Time=2027-01-05",
         "Write the date and time as YYYY-MM-DD HH:MM[:SS]."},
        {"calendar", "datetime", "Start Date & Time=2027-01-05 24:00",
         "Write the date and time as YYYY-MM-DD HH:MM[:SS]."},
        {"tasks", "choice", "Importance=High",
         "The field \"Importance\" offers no choices to set."},
        {"tasks", "set", "Private=1",
         "\"set\" does not fit the Boolean field \"Private\"; use true or false."},
        {"tasks", "true", "Subject",
         "\"true\" does not fit the String field \"Subject\"; use set, append, insert, replace "
         "or set-from."},
        {"tasks", "drop", "Subject=x", "Unknown update \"drop\"."},
    };
    for (const Refused& k : cases) {
        SCOPED_TRACE(std::string(k.op) + " " + k.text);
        tagFUFieldUpdate def;
        std::string error;
        EXPECT_FALSE(ParseBatchUpdate(*FindBatchKind(k.kind), {k.op, k.text, ""}, &def, &error));
        EXPECT_EQ(error, k.message);
    }
}

TEST(BatchUpdates, TextsFromTheTerminalAreStoredInTheRecordsCodePage) {
    tagFUFieldUpdate def;
    std::string error;
    ASSERT_TRUE(ParseBatchUpdate(*FindBatchKind("contacts"),
                                 {"set", "Last Name=M\xC3\xBCller \xE2\x82\xAC", ""}, &def,
                                 &error));
    EXPECT_STREQ(def.szValue, "M\xFCller \x80");
    ASSERT_TRUE(ParseBatchUpdate(*FindBatchKind("contacts"),
                                 {"set", "Note=" + std::string(400, 'n'), ""}, &def, &error));
    EXPECT_EQ(std::string(def.szValue), std::string(255, 'n'));
}

TEST(BatchUpdates, UpdatesFileOneALine) {
    std::vector<tagBatchUpdateSpec> specs;
    std::string error;
    ASSERT_TRUE(
        ParseBatchUpdatesText("# names\r\nset Last Name=Miller\r\n\r\n  append First Name=ny\n"
                              "insert Company Name@0=The \ntrue Private",
                              "u.txt", &specs, &error));
    ASSERT_EQ(specs.size(), 4u);
    EXPECT_EQ(specs[0].op, "set");
    EXPECT_EQ(specs[0].text, "Last Name=Miller");
    EXPECT_EQ(specs[0].origin, "u.txt:2");
    EXPECT_EQ(specs[1].op, "append");
    EXPECT_EQ(specs[1].origin, "u.txt:4");
    EXPECT_EQ(specs[2].text, "Company Name@0=The ");
    EXPECT_EQ(specs[3].op, "true");
    EXPECT_EQ(specs[3].text, "Private");

    specs.clear();
    EXPECT_FALSE(ParseBatchUpdatesText("set A=b\n--set Last Name=x\n", "u.txt", &specs, &error));
    EXPECT_EQ(error, "u.txt:2: unknown update \"--set\".");
    EXPECT_FALSE(ReadBatchUpdatesFile("/nonexistent/u.txt", &specs, &error));
    EXPECT_EQ(error, "Cannot read the updates file \"/nonexistent/u.txt\".");
}

TEST(BatchUpdates, AnUpdatesFileIsReadNoFurtherThanItsBound) {
    testsupport::TempDir dir;
    std::vector<tagBatchUpdateSpec> specs;
    std::string error;
    testsupport::WriteFile(dir.File("fits"), std::string(kMaxUpdatesFile - 21, '\n') +
                                                 "set Last Name=Miller\n");
    ASSERT_TRUE(ReadBatchUpdatesFile(dir.File("fits"), &specs, &error)) << error;
    EXPECT_EQ(specs.size(), 1u);
    // A sparse file of 2 GB: nothing of it past the bound is read.
    const std::string huge = dir.File("huge");
    testsupport::WriteFile(huge, "set Last Name=Miller\n");
    ASSERT_EQ(truncate(huge.c_str(), 2LL << 30), 0);
    EXPECT_FALSE(ReadBatchUpdatesFile(huge, &specs, &error));
    EXPECT_EQ(error, "The updates file \"" + huge + "\" is larger than 1 MiB.");
}

TEST(BatchUpdates, ListsEveryFieldOfAKind) {
    const std::string tasks = DescribeBatchFields(*FindBatchKind("TASKS"));
    EXPECT_NE(tasks.find("Importance\tEnumeration\t(no choices)\n"), std::string::npos);
    EXPECT_NE(tasks.find("Private\tBoolean\n"), std::string::npos);
    const std::string contacts = DescribeBatchFields(*FindBatchKind("contacts"));
    EXPECT_EQ(std::count(contacts.begin(), contacts.end(), '\n'), 46);
    EXPECT_EQ(FindBatchKind("notes"), nullptr);
}

} // namespace

namespace {

// A catalogue with choices, which no kind of the system has yet.
const tagFUFieldInfo kChoiceRows[] = {
    {7, FU_TYPE_ENUM, "Priority", "Priority", 4, 3, {1, 2, 3}, {"High", "Normal", "Low"}},
    {8, FU_TYPE_INTEGER, "Count", "Count", 4, 0, {}, {}},
};
int ChoiceCount() {
    return 2;
}
const tagFUFieldInfo* ChoiceAt(int i) {
    return i >= 0 && i < 2 ? &kChoiceRows[i] : nullptr;
}
const tagBatchKind kChoiceKind = {1, "choices", ChoiceCount, ChoiceAt, nullptr};

TEST(BatchUpdates, ChoicesByNameAndNumbers) {
    tagFUFieldUpdate def;
    std::string error;
    ASSERT_TRUE(ParseBatchUpdate(kChoiceKind, {"choice", "priority=low", ""}, &def, &error));
    EXPECT_EQ(def.nFieldKey, 7);
    EXPECT_EQ(def.nValue, 3);
    EXPECT_FALSE(ParseBatchUpdate(kChoiceKind, {"choice", "Priority=Urgent", ""}, &def, &error));
    EXPECT_EQ(error,
              "\"Urgent\" is not a choice of \"Priority\"; the choices are: High, Normal, Low.");
    ASSERT_TRUE(ParseBatchUpdate(kChoiceKind, {"set", "Count= -12 ", ""}, &def, &error));
    EXPECT_EQ(def.nValue, -12);
    EXPECT_FALSE(ParseBatchUpdate(kChoiceKind, {"set", "Count=12x", ""}, &def, &error));
    EXPECT_EQ(error, "Write the value as a whole number.");
}

} // namespace
