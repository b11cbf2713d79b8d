// Writing calendar records back into Appointment documents.
#include "MailDBFixture.h"

#include <cstring>

#include "common/misc/CxList.h"

class DateSaveTest : public MailDBTest {
protected:
    DateSaveTest() { Configure(&m_util); }

    // Loads the database and marks every record for a write to its document.
    void LoadForWrite() {
        m_util.ClearAll();
        ASSERT_TRUE(m_util.LoadFromDB()) << m_log.Text();
        for (tagCxLNDateRec* rec = m_util.GetFirstRec(); rec; rec = m_util.GetNextRec()) {
            rec->nAction = LN_ACTION_WRITE;
            rec->nOrigin = LN_ORIGIN_MODIFIED;
        }
    }
    bool Save() {
        m_util.InitErrorReport();
        return m_util.SaveToDB();
    }
    std::string Errors(const char* key) const { return ErrorValue("LNDateErr.dat", key); }

    NOTEID AddRepeating() {
        return AddNote(
            [](NOTEHANDLE note) {
                AppendText(note, "Subject", "team sync");
                AppendTime(note, "StartDateTime", VariantOf(2024, 3, 5, 9, 30, 0));
                AppendTime(note, "EndDateTime", VariantOf(2024, 3, 5, 10, 0, 0));
                AppendText(note, "Repeats", "1");
                AppendText(note, "RepeatUnit", "W");
                AppendText(note, "RepeatInterval", "1");
                AppendText(note, "RepeatAdjust", "2");
                AppendDate(note, "RepeatStartDate", 2024, 3, 5);
                AppendText(note, "RepeatHow", "W");
                AppendDate(note, "RepeatUntil", 2024, 12, 31);
                AppendNumber(note, "txtNum", 1);
                AppendText(note, "RepeatForUnit", "W");
                AppendNumber(note, "RepeatFor", 7);
                AppendText(note, "RepeatWeekends", "D");
                AppendDate(note, "RepeatCustom", 2024, 3, 5);
                AppendText(note, "AppointmentType", "0");
                AppendRichText(note, "Body", "Agenda:\r\nBudget");
            },
            "Appointment");
    }

    TestDateUtil m_util;
};

TEST_F(DateSaveTest, SeededEntriesWrittenBackUnchangedLeaveEveryItemAlone) {
    ASSERT_EQ(Notesdb("seed Data/mail/jdoe.nsf appointments 24"), 0);
    std::vector<Dump> before;
    for (NOTEID id : AllNotes())
        before.push_back(DumpNote(id));
    LoadForWrite();
    ASSERT_TRUE(Save()) << m_log.Text();
    const std::vector<NOTEID> ids = AllNotes();
    ASSERT_EQ(ids.size(), before.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(ChangedItems(before[i], DumpNote(ids[i])), std::vector<std::string>{})
            << "note " << ids[i];
    EXPECT_EQ(Errors("Error.Count"), "0");
    const std::string log = m_log.Text();
    EXPECT_NE(log.find("Modify existed Notes Calendar appointment item, item ID=" +
                       std::to_string(ids[0])),
              std::string::npos);
    EXPECT_NE(log.find("Close Lotus Notes Calendar database successfully."), std::string::npos);
}

TEST_F(DateSaveTest, ARepeatingEntryKeepsItsRepeatForAndOnlyChangedItemsAreWritten) {
    NOTEID id = AddRepeating();
    const Dump before = DumpNote(id);
    LoadForWrite();
    tagCxLNDateRec* rec = m_util.GetFirstRec();
    ASSERT_EQ(rec->nRepeatFor, 7);
    std::strcpy(rec->szSubject, "Team sync"); // differs in letter case only
    std::strcpy(rec->szLocation, "Room 4");
    std::strcpy(rec->szRepeatInterval, ""); // an empty text writes nothing
    rec->dtEndDateTime = 0;                 // no date: the item stays
    ASSERT_TRUE(Save()) << m_log.Text();

    const Dump after = DumpNote(id);
    EXPECT_EQ(ChangedItems(before, after), (std::vector<std::string>{"Location", "Subject"}));
    EXPECT_EQ(TextOf(after, "Subject"), "Team sync");
    EXPECT_EQ(TextOf(after, "RepeatInterval"), "1");
    EXPECT_EQ(Errors("Error.Count"), "0");
}

TEST_F(DateSaveTest, AChangedRichTextBodyReplacesTheBodyOnce) {
    NOTEID id = AddRepeating();
    const Dump before = DumpNote(id);
    for (const char* body : {"New agenda:\r\nBudget\r\nStaff", "Third\r\ntext"}) {
        LoadForWrite();
        std::strcpy(m_util.GetFirstRec()->szBody, body);
        ASSERT_TRUE(Save()) << m_log.Text();
        const Dump after = DumpNote(id);
        EXPECT_EQ(CountItems(after, "Body"), 1) << body;
        const DumpedItem* item = FindItem(after, "Body");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->type, TYPE_COMPOSITE);
        EXPECT_EQ(item->value, RichTextOf(body));
        EXPECT_EQ(ChangedItems(before, after), std::vector<std::string>{"Body"});
    }
    // Loaded and written back unchanged, the body stays as it is.
    const Dump written = DumpNote(id);
    LoadForWrite();
    EXPECT_STREQ(m_util.GetFirstRec()->szBody, "Third\r\ntext");
    ASSERT_TRUE(Save());
    EXPECT_EQ(ChangedItems(written, DumpNote(id)), std::vector<std::string>{});
}

TEST_F(DateSaveTest, APlainTextBodyStaysAPlainText) {
    NOTEID id = AddNote(
        [](NOTEHANDLE note) {
            AppendText(note, "Subject", "Call");
            AppendText(note, "Body", "old");
        },
        "Appointment");
    const Dump before = DumpNote(id);
    LoadForWrite();
    std::strcpy(m_util.GetFirstRec()->szBody, "new text");
    ASSERT_TRUE(Save()) << m_log.Text();
    const Dump after = DumpNote(id);
    EXPECT_EQ(ChangedItems(before, after), std::vector<std::string>{"Body"});
    EXPECT_EQ(CountItems(after, "Body"), 1);
    EXPECT_EQ(FindItem(after, "Body")->type, TYPE_TEXT);
    EXPECT_EQ(TextOf(after, "Body"), "new text");
}

TEST_F(DateSaveTest, ABodyCutOnLoadIsNotWrittenBack) {
    const std::string longBody(30000, 'b');
    NOTEID id =
        AddNote([&](NOTEHANDLE note) { AppendRichText(note, "Body", longBody); }, "Appointment");
    const Dump before = DumpNote(id);
    LoadForWrite();
    EXPECT_EQ(std::strlen(m_util.GetFirstRec()->szBody), 20479u);
    ASSERT_TRUE(Save());
    EXPECT_EQ(ChangedItems(before, DumpNote(id)), std::vector<std::string>{});
}

TEST_F(DateSaveTest, ANewPrivateAppointmentGetsItsCreationItems) {
    tagCxLNDateRec rec;
    CxLNDateUtil::InitRec(&rec);
    rec.nAction = LN_ACTION_WRITE;
    rec.nOrigin = LN_ORIGIN_NEW;
    rec.bPrivate = 1;
    std::strcpy(rec.szSubject, "Doctor");
    std::strcpy(rec.szBody, "Bring\r\ncard");
    rec.dtStartDateTime = VariantOf(2024, 6, 1, 8, 0, 0);
    rec.dtEndDateTime = VariantOf(2024, 6, 1, 9, 0, 0);
    rec.dtRepeatUntil = VariantOf(2024, 7, 1); // not repeating: not written
    m_util.AddRec(&rec);
    ASSERT_TRUE(Save()) << m_log.Text();

    const std::vector<NOTEID> ids = AllNotes();
    ASSERT_EQ(ids.size(), 1u);
    const Dump dump = DumpNote(ids[0]);
    EXPECT_EQ(
        ItemNames(dump),
        (std::vector<std::string>{"Form", "AppointmentType", "$Alarm", "$AlarmDescription",
                                  "$AlarmOffset", "ORGTABLE", "$PublicAccess", "From", "SendTo",
                                  "_ViewIcon", "Subject", "EndDateTime", "StartDateTime", "Body"}));
    EXPECT_EQ(TextOf(dump, "Form"), "Appointment");
    EXPECT_EQ(TextOf(dump, "AppointmentType"), "0");
    EXPECT_EQ(TextOf(dump, "$PublicAccess"), "0");
    EXPECT_EQ(TextOf(dump, "ORGTABLE"), "C0");
    EXPECT_EQ(TextOf(dump, "SendTo"), "");
    NUMBER alarm = 0, offset = 0, icon = 0;
    std::memcpy(&alarm, FindItem(dump, "$Alarm")->value.data(), sizeof alarm);
    std::memcpy(&offset, FindItem(dump, "$AlarmOffset")->value.data(), sizeof offset);
    std::memcpy(&icon, FindItem(dump, "_ViewIcon")->value.data(), sizeof icon);
    EXPECT_EQ(alarm, 1);
    EXPECT_EQ(offset, -5);
    EXPECT_EQ(icon, 160);
    EXPECT_EQ(FindItem(dump, "Body")->value, RichTextOf("Bring\r\ncard"));
    EXPECT_NE(m_log.Text().find("Create new Notes Calendar appointment item."), std::string::npos);

    // Read back, the entry is private and its body the text written.
    LoadForWrite();
    EXPECT_EQ(m_util.GetFirstRec()->bPrivate, 1);
    EXPECT_STREQ(m_util.GetFirstRec()->szBody, "Bring\r\ncard");
}

TEST_F(DateSaveTest, ThePublicFlagOfANewEntryIsOne) {
    tagCxLNDateRec rec;
    CxLNDateUtil::InitRec(&rec);
    rec.nAction = LN_ACTION_WRITE;
    rec.nOrigin = LN_ORIGIN_NEW;
    m_util.AddRec(&rec);
    ASSERT_TRUE(Save()) << m_log.Text();
    const Dump dump = DumpNote(AllNotes().at(0));
    EXPECT_EQ(TextOf(dump, "$PublicAccess"), "1");
    EXPECT_EQ(FindItem(dump, "Body"), nullptr); // an empty body writes nothing
}

// Editors only may change the mail database: the write-back must run as the
// user of the ID file.
TEST_F(DateSaveTest, TheWriteBackSwitchesToTheUserOfTheIDFile) {
    NOTEID id = AddRepeating();
    ASSERT_EQ(Notesdb("acl Data/mail/jdoe.nsf -Default- reader"), 0);
    ASSERT_EQ(Notesdb(std::string("acl Data/mail/jdoe.nsf '") + kIDUser + "' editor"), 0);
    LoadForWrite();
    std::strcpy(m_util.GetFirstRec()->szSubject, "Renamed");
    ASSERT_TRUE(Save()) << m_log.Text();
    EXPECT_EQ(TextOf(DumpNote(id), "Subject"), "Renamed");
    EXPECT_EQ(Errors("Error.Count"), "0");

    // A refused password stops the write-back before any document is opened.
    m_util.SetPassword("wrong");
    std::strcpy(m_util.GetFirstRec()->szSubject, "Not allowed");
    ASSERT_FALSE(Save());
    EXPECT_EQ(TextOf(DumpNote(id), "Subject"), "Renamed");
    const std::string failure = "Can not switch to user ID file: jdoe.id, error code=" +
                                std::to_string(ERR_SECURE_BADPASSWORD) +
                                "; message=Wrong Password. (Passwords are case sensitive)";
    EXPECT_NE(m_log.Text().find(failure), std::string::npos);
    EXPECT_EQ(Errors("Error.Count"), "1");
    EXPECT_EQ(Errors("Error.1"), failure);
}

TEST_F(DateSaveTest, AMissingDatabaseIsReported) {
    m_util.SetMailDBName("mail/nobody.nsf");
    EXPECT_FALSE(Save());
    EXPECT_EQ(Errors("Error.Count"), "1");
    EXPECT_EQ(Errors("Error.1"),
              "Can no open Lotus Notes Calendar Database file: mail/nobody.nsf, error code=259; "
              "message=File does not exist; a relative path is looked for in the Lotus Notes "
              "data folder " +
                  m_folder.Dir().File("Data"));
}

TEST_F(DateSaveTest, DeletesAndMissingNotes) {
    NOTEID id = AddRepeating();
    tagCxLNDateRec missing;
    CxLNDateUtil::InitRec(&missing);
    missing.nAction = LN_ACTION_WRITE;
    missing.nOrigin = LN_ORIGIN_MODIFIED;
    std::snprintf(missing.szID, sizeof missing.szID, "%u", id + 500);
    m_util.AddRec(&missing);
    tagCxLNDateRec gone = missing;
    gone.nAction = LN_ACTION_DELETE;
    std::snprintf(gone.szID, sizeof gone.szID, "%u", id);
    m_util.AddRec(&gone);
    ASSERT_TRUE(Save()) << m_log.Text();
    EXPECT_EQ(AllNotes(), std::vector<NOTEID>{});
    EXPECT_EQ(Errors("Error.Count"), "1");
    EXPECT_EQ(Errors("Error.1").rfind("Failed to call NSFNoteOpen, error code=", 0), 0u);
    EXPECT_NE(m_log.Text().find("Delete existed Notes Calendar appointment item, item ID=" +
                                std::to_string(id)),
              std::string::npos);
}
