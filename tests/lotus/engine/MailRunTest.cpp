// One helper run of the calendar and task kinds: a load into the exchange
// data file, then a write-back of it.
#include "MailDBFixture.h"

#include <cstring>

TEST_F(MailDBTest, ACalendarRunLoadsAndWritesBack) {
    NOTEID id = AddNote(
        [](NOTEHANDLE note) {
            AppendText(note, "Subject", "Review");
            AppendText(note, "Repeats", "1");
            AppendText(note, "RepeatUnit", "D");
            AppendNumber(note, "RepeatFor", 9);
            AppendRichText(note, "Body", "Notes");
        },
        "Appointment");
    TestDateUtil helper;
    Configure(&helper);
    helper.SetMode(1);
    ASSERT_TRUE(helper.Run()) << m_log.Text();

    CxLNDateUtil client;
    client.SetTempFilePath(m_temp.Folder().c_str());
    ASSERT_TRUE(client.LoadFromFile(nullptr));
    tagCxLNDateRec* rec = client.GetFirstRec();
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->nRepeatFor, 9);
    EXPECT_STREQ(rec->szBody, "Notes");
    rec->nAction = LN_ACTION_WRITE;
    rec->nOrigin = LN_ORIGIN_MODIFIED;
    std::strcpy(rec->szSubject, "Review 2");
    ASSERT_TRUE(client.SaveToFile(nullptr));
    KeepSaved(m_temp.Folder(), "LNDate.dat");

    const Dump before = DumpNote(id);
    TestDateUtil writer;
    Configure(&writer);
    writer.SetMode(2);
    ASSERT_TRUE(writer.Run()) << m_log.Text();
    EXPECT_EQ(ChangedItems(before, DumpNote(id)), std::vector<std::string>{"Subject"});
}

TEST_F(MailDBTest, ATaskRunLoadsAndWritesBack) {
    NOTEID id = AddNote(
        [](NOTEHANDLE note) {
            AppendText(note, "Subject", "Book flights");
            AppendText(note, "Importance", "1");
            AppendText(note, "$PublicAccess", "0");
        },
        "Task");
    TestTaskUtil helper;
    Configure(&helper);
    helper.SetMode(1);
    ASSERT_TRUE(helper.Run()) << m_log.Text();

    CxLNTaskUtil client;
    client.SetTempFilePath(m_temp.Folder().c_str());
    ASSERT_TRUE(client.LoadFromFile(nullptr));
    tagCxLNTaskRec* rec = client.GetFirstRec();
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->bPrivate, 1);
    rec->nAction = LN_ACTION_WRITE;
    rec->nOrigin = LN_ORIGIN_MODIFIED;
    std::strcpy(rec->szTaskType, "3");
    ASSERT_TRUE(client.SaveToFile(nullptr));
    KeepSaved(m_temp.Folder(), "LNTask.dat");

    const Dump before = DumpNote(id);
    TestTaskUtil writer;
    Configure(&writer);
    writer.SetMode(2);
    ASSERT_TRUE(writer.Run()) << m_log.Text();
    EXPECT_EQ(ChangedItems(before, DumpNote(id)), std::vector<std::string>{"TaskType"});
}

TEST_F(MailDBTest, RunsInOtherModesFail) {
    TestDateUtil dates;
    TestTaskUtil tasks;
    Configure(&dates);
    Configure(&tasks);
    for (int mode : {0, 4}) {
        dates.SetMode(mode);
        tasks.SetMode(mode);
        EXPECT_FALSE(dates.Run());
        EXPECT_FALSE(tasks.Run());
    }
    for (const char* file : {"LNDateErr.dat", "LNTaskErr.dat"}) {
        EXPECT_EQ(ErrorValue(file, "Error.Count"), "1");
        EXPECT_EQ(ErrorValue(file, "Error.1"), "Unknown run mode in the parameter file.");
    }
}
