// Loading Task documents of the mail database and writing them back.
#include "MailDBFixture.h"

#include <cstring>
#include <unistd.h>

#include "common/lotus/binding/CxLNApi.h"
#include "common/misc/CxList.h"

class TaskTest : public MailDBTest {
protected:
    TaskTest() { Configure(&m_util); }

    void LoadForWrite() {
        m_util.ClearAll();
        ASSERT_TRUE(m_util.LoadFromDB()) << m_log.Text();
        for (tagCxLNTaskRec* rec = m_util.GetFirstRec(); rec; rec = m_util.GetNextRec()) {
            rec->nAction = LN_ACTION_WRITE;
            rec->nOrigin = LN_ORIGIN_MODIFIED;
        }
    }
    bool Save() {
        m_util.InitErrorReport();
        return m_util.SaveToDB();
    }
    std::string Errors(const char* key) const { return ErrorValue("LNTaskErr.dat", key); }
    NOTEID AddTask(const std::function<void(NOTEHANDLE)>& more = [](NOTEHANDLE) {}) {
        return AddNote(
            [&](NOTEHANDLE note) {
                AppendText(note, "Subject", "Send invoice");
                AppendText(note, "TaskType", "1");
                AppendText(note, "Importance", "2");
                AppendText(note, "$PublicAccess", "1");
                AppendTime(note, "DueDateTime", VariantOf(2024, 5, 2, 17, 0, 0));
                AppendDate(note, "StartDate", 2024, 5, 1);
                more(note);
            },
            "Task");
    }

    TestTaskUtil m_util;
};

struct ImportanceCase {
    const char* text;
    int32_t importance;
};

TEST_F(TaskTest, LoadReadsTheItemsOfTaskDocuments) {
    const ImportanceCase cases[] = {{"2", 2}, {"3 (Low)", 3}, {"High", 0}, {" 1", 0}, {"", 0}};
    std::vector<NOTEID> ids;
    for (const ImportanceCase& c : cases)
        ids.push_back(AddNote(
            [&](NOTEHANDLE note) {
                AppendText(note, "Subject", c.text);
                if (*c.text)
                    AppendText(note, "Importance", c.text);
            },
            "Task"));
    NOTEID full = AddTask([](NOTEHANDLE note) {
        AppendRichText(note, "Body", "First\r\nSecond");
        AppendText(note, "Categories", "Work");
        AppendDate(note, "EndDate", 2024, 5, 3);
        AppendText(note, "Alarms", "1");
        AppendText(note, "$REF", "parent");
        AppendNumber(note, "RepeatFor", 4);
    });
    NOTEID hidden =
        AddNote([](NOTEHANDLE note) { AppendText(note, "$PublicAccess", "0"); }, "Task");
    AddNote([](NOTEHANDLE note) { AppendText(note, "Subject", "An entry"); }, "Appointment");

    ASSERT_TRUE(m_util.LoadFromDB()) << m_log.Text();
    ASSERT_EQ(m_util.GetRecList()->GetCount(), 7);
    tagCxLNTaskRec* rec = m_util.GetFirstRec();
    for (const ImportanceCase& c : cases) {
        EXPECT_EQ(rec->nImportance, c.importance) << c.text;
        EXPECT_EQ(rec->bPrivate, 0) << c.text; // without "$PublicAccess": public
        rec = m_util.GetNextRec();
    }
    EXPECT_EQ(std::string(rec->szID), std::to_string(full));
    EXPECT_STREQ(rec->szSubject, "Send invoice");
    EXPECT_STREQ(rec->szBody, "First\r\nSecond");
    EXPECT_STREQ(rec->szCategories, "Work");
    EXPECT_STREQ(rec->szTaskType, "1");
    EXPECT_STREQ(rec->szAlarmString, "1");
    EXPECT_EQ(rec->nImportance, 2);
    EXPECT_EQ(rec->bPrivate, 0);
    EXPECT_EQ(rec->bResponse, 1);
    EXPECT_DOUBLE_EQ(rec->dtDueDate, VariantOf(2024, 5, 2, 17, 0, 0));
    EXPECT_DOUBLE_EQ(rec->dtStartDate, VariantOf(2024, 5, 1));
    EXPECT_DOUBLE_EQ(rec->dtEndDate, VariantOf(2024, 5, 3));
    rec = m_util.GetNextRec();
    EXPECT_EQ(std::string(rec->szID), std::to_string(hidden));
    EXPECT_EQ(rec->bPrivate, 1);

    const std::string log = m_log.Text();
    for (const char* line :
         {"Switch To User ID:jdoe.id", "Open Lotus Notes task database: mail/jdoe.nsf",
          "Search Notes task database...", "Close Notes task database successfully."})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    // Tasks report no search status: the open status stays.
    EXPECT_EQ(testsupport::ReadFile(m_temp.File("LNTaskStatus.dat")),
              "Open Lotus Notes Task database.\r\n");
}

TEST_F(TaskTest, TheApiStartFailureAndAWrongPasswordAreReported) {
    AddTask();
    m_util.SetPassword("nope");
    m_util.InitErrorReport();
    ASSERT_FALSE(m_util.LoadFromDB());
    EXPECT_EQ(m_util.GetRecList()->GetCount(), 0);
    EXPECT_EQ(Errors("Error.1").rfind("Can not switch to user ID file: jdoe.id, error code=" +
                                          std::to_string(ERR_SECURE_BADPASSWORD) +
                                          "; message=Wrong",
                                      0),
              0u);

    ASSERT_EQ(unlink(m_folder.Dir().File("libnotes.so").c_str()), 0);
    m_util.InitErrorReport();
    EXPECT_FALSE(m_util.LoadFromDB());
    EXPECT_EQ(Errors("Error.1").rfind("Failed to initialize Notes API. Can not load", 0), 0u);
    EXPECT_FALSE(Save());
    EXPECT_EQ(Errors("Error.Count"), "1");
}

TEST_F(TaskTest, SeededTasksWrittenBackUnchangedLeaveEveryItemAlone) {
    ASSERT_EQ(Notesdb("seed Data/mail/jdoe.nsf tasks 20"), 0);
    std::vector<Dump> before;
    for (NOTEID id : AllNotes())
        before.push_back(DumpNote(id));
    LoadForWrite();
    ASSERT_EQ(m_util.GetRecList()->GetCount(), 20);
    ASSERT_TRUE(Save()) << m_log.Text();
    const std::vector<NOTEID> ids = AllNotes();
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(ChangedItems(before[i], DumpNote(ids[i])), std::vector<std::string>{})
            << "note " << ids[i];
    EXPECT_EQ(Errors("Error.Count"), "0");
    EXPECT_NE(
        m_log.Text().find("Open existed Lotus Notes task item, item ID=" + std::to_string(ids[0])),
        std::string::npos);
    EXPECT_NE(m_log.Text().find("Close Notes Task database successfully."), std::string::npos);
}

TEST_F(TaskTest, TaskTypeStartAndEndDateAreWrittenByTheRules) {
    NOTEID id = AddTask();
    const Dump before = DumpNote(id);
    LoadForWrite();
    tagCxLNTaskRec* rec = m_util.GetFirstRec();
    std::strcpy(rec->szTaskType, "2");
    rec->dtStartDate = 0; // no date: the item stays
    rec->dtEndDate = VariantOf(2024, 5, 9);
    rec->nImportance = 0;
    rec->bPrivate = 1;
    std::strcpy(rec->szCategories, "Ignored"); // read, never written
    ASSERT_TRUE(Save()) << m_log.Text();
    const Dump after = DumpNote(id);
    EXPECT_EQ(ChangedItems(before, after),
              (std::vector<std::string>{"$PublicAccess", "EndDate", "Importance", "TaskType"}));
    EXPECT_EQ(TextOf(after, "TaskType"), "2");
    EXPECT_EQ(TextOf(after, "Importance"), "0");
    EXPECT_EQ(TextOf(after, "$PublicAccess"), "0");
    EXPECT_EQ(FindItem(after, "EndDate")->type, TYPE_TIME);

    // The same day with a time of day is no date alone any more: written.
    LoadForWrite();
    m_util.GetFirstRec()->dtStartDate = VariantOf(2024, 5, 1, 8, 0, 0);
    ASSERT_TRUE(Save());
    EXPECT_NE(FindItem(DumpNote(id), "StartDate")->value, FindItem(after, "StartDate")->value);
}

TEST_F(TaskTest, ARichTextBodyIsLeftAloneAndReportedOnlyWhenChanged) {
    NOTEID id = AddTask([](NOTEHANDLE note) { AppendRichText(note, "Body", "Rich\r\nbody"); });
    const Dump before = DumpNote(id);
    LoadForWrite();
    ASSERT_TRUE(Save()) << m_log.Text();
    EXPECT_EQ(Errors("Error.Count"), "0");

    std::strcpy(m_util.GetFirstRec()->szBody, "Plain now");
    ASSERT_TRUE(Save());
    EXPECT_EQ(ChangedItems(before, DumpNote(id)), std::vector<std::string>{});
    EXPECT_EQ(Errors("Error.Count"), "1");
    EXPECT_EQ(Errors("Error.1"), "Item Body of Notes document " + std::to_string(id) +
                                     " is not a plain text and is left unchanged.");
}

TEST_F(TaskTest, APlainBodyIsWrittenAsText) {
    NOTEID id = AddTask([](NOTEHANDLE note) { AppendText(note, "Body", "old"); });
    LoadForWrite();
    std::strcpy(m_util.GetFirstRec()->szBody, "new\r\nlines");
    ASSERT_TRUE(Save());
    const Dump after = DumpNote(id);
    EXPECT_EQ(CountItems(after, "Body"), 1);
    EXPECT_EQ(TextOf(after, "Body"), "new\r\nlines");
}

TEST_F(TaskTest, ANewTaskGetsItsCreationItems) {
    tagCxLNTaskRec rec;
    CxLNTaskUtil::InitRec(&rec);
    rec.nAction = LN_ACTION_WRITE;
    rec.nOrigin = LN_ORIGIN_NEW;
    rec.bPrivate = 1;
    rec.nImportance = 2;
    std::strcpy(rec.szSubject, "Renew licence");
    m_util.AddRec(&rec);
    ASSERT_TRUE(Save()) << m_log.Text();
    const Dump dump = DumpNote(AllNotes().at(0));
    EXPECT_EQ(ItemNames(dump),
              (std::vector<std::string>{"Form", "TaskType", "$Alarm", "$AlarmDescription",
                                        "$AlarmOffset", "ORGTABLE", "$PublicAccess", "From",
                                        "SendTo", "_ViewIcon", "Subject", "Importance"}));
    EXPECT_EQ(TextOf(dump, "Form"), "Task");
    EXPECT_EQ(TextOf(dump, "TaskType"), "1");
    EXPECT_EQ(TextOf(dump, "ORGTABLE"), "T0");
    EXPECT_EQ(TextOf(dump, "$PublicAccess"), "0");
    EXPECT_EQ(TextOf(dump, "Importance"), "2");
    EXPECT_NE(m_log.Text().find("Create new Lotus Notes task item."), std::string::npos);
}

TEST_F(TaskTest, AMissingDatabaseIsReported) {
    m_util.SetMailDBName("mail/nobody.nsf");
    EXPECT_FALSE(Save());
    EXPECT_EQ(Errors("Error.1").rfind("Can no open Lotus Notes Task Database file: "
                                      "mail/nobody.nsf, error code=259; message=File does not "
                                      "exist; a relative path is looked for in ",
                                      0),
              0u);
    m_util.InitErrorReport();
    EXPECT_FALSE(m_util.LoadFromDB());
    EXPECT_NE(m_log.Text().find("Can not open Lotus Notes Task file: mail/nobody.nsf, error "
                                "code=259; message=File does not exist"),
              std::string::npos);
}
