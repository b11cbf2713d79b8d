// Writing contact records back into Person documents.
#include "AddrDBFixture.h"

#include <cstring>

namespace {

// The names the cases use.
std::string (&Text)(const Dump&, const char*) = TextOf;
std::vector<std::string> (&Changed)(const Dump&, const Dump&) = ChangedItems;

} // namespace

class AddrSaveTest : public AddrDBTest {
protected:
    NOTEID AddAnn() {
        return AddNote([](NOTEHANDLE note) {
            AppendText(note, "Type", "Person");
            AppendText(note, "FirstName", "ann");
            AppendText(note, "LastName", "Lee");
            AppendText(note, "OfficeCity", std::string(40, 'x'));
            AppendTime(note, "Birthday", VariantOf(1975, 4, 12));
            AppendText(note, "Comment", "old note");
        });
    }
    // Loads the database and marks every record for a write to its document.
    void LoadForWrite() {
        ASSERT_TRUE(m_util.LoadFromDB()) << m_log.Text();
        for (tagCxLNAddrRec* rec = m_util.GetFirstRec(); rec; rec = m_util.GetNextRec()) {
            rec->nAction = LN_ACTION_WRITE;
            rec->nOrigin = LN_ORIGIN_MODIFIED;
        }
    }
    bool Save() {
        m_util.InitErrorReport();
        return m_util.SaveToDB();
    }
};

TEST_F(AddrSaveTest, AnUnchangedRecordLeavesEveryItemAlone) {
    NOTEID id = AddAnn();
    const Dump before = DumpNote(id);
    LoadForWrite();
    // The loaded OfficeCity is cut to its field; the document keeps its text.
    EXPECT_EQ(std::strlen(m_util.GetFirstRec()->szBusinessCity), 31u);
    ASSERT_TRUE(Save()) << m_log.Text();
    EXPECT_EQ(Changed(before, DumpNote(id)), std::vector<std::string>{});
    EXPECT_EQ(ErrorValue("Error.Count"), "0");
    EXPECT_NE(
        m_log.Text().find("Modify existed Notes contact item, item ID = " + std::to_string(id)),
        std::string::npos);
    EXPECT_NE(m_log.Text().find("Close Notes Contact database successfully."), std::string::npos);
}

TEST_F(AddrSaveTest, OnlyChangedItemsAreWritten) {
    NOTEID id = AddAnn();
    const Dump before = DumpNote(id);
    LoadForWrite();
    tagCxLNAddrRec* rec = m_util.GetFirstRec();
    std::strcpy(rec->szFirstName, "Ann"); // differs only in letter case
    std::strcpy(rec->szCompany, "Acme");
    std::strcpy(rec->szLastName, "");     // an empty text writes nothing
    std::strcpy(rec->szNote, "new note"); // "Comment" goes back
    std::strcpy(rec->szPrimaryPhone, "555-1234");
    rec->dtBirthday = 0; // no date: the item stays
    rec->dtAnniversary = VariantOf(2001, 6, 30, 14, 30, 0);
    ASSERT_TRUE(Save()) << m_log.Text();

    const Dump after = DumpNote(id);
    EXPECT_EQ(Changed(before, after),
              (std::vector<std::string>{"Anniversary", "Comment", "CompanyName", "FirstName",
                                        "primaryPhoneNumber"}));
    EXPECT_EQ(Text(after, "FirstName"), "Ann");
    EXPECT_EQ(Text(after, "LastName"), "Lee");
    EXPECT_EQ(Text(after, "Comment"), "new note");
    EXPECT_EQ(Text(after, "primaryPhoneNumber"), "555-1234");
    EXPECT_EQ(FindItem(after, "Anniversary")->type, TYPE_TIME);
    EXPECT_EQ(ErrorValue("Error.Count"), "0");
}

TEST_F(AddrSaveTest, ANewContactGetsFormTypeAndItsNonEmptyFields) {
    tagCxLNAddrRec rec = WriteRec(LN_ORIGIN_NEW, 0);
    std::strcpy(rec.szFirstName, "Bo");
    std::strcpy(rec.szDisplayName, "Bo Berg");
    m_util.AddRec(&rec);
    ASSERT_TRUE(Save()) << m_log.Text();

    const std::vector<NOTEID> ids = AllNotes();
    ASSERT_EQ(ids.size(), 1u);
    Dump dump = DumpNote(ids[0]);
    std::vector<std::string> names;
    for (const DumpedItem& item : dump)
        names.push_back(item.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"FirstName", "Form", "FullName", "Type"}));
    EXPECT_EQ(Text(dump, "Form"), "Person");
    EXPECT_EQ(Text(dump, "Type"), "Person");
    EXPECT_NE(m_log.Text().find("Create new Notes contact item."), std::string::npos);
}

TEST_F(AddrSaveTest, DeleteWithoutNoteIDDeletesNothing) {
    NOTEID id = AddAnn();
    for (const char* szID : {"0", ""}) {
        tagCxLNAddrRec rec = WriteRec(LN_ORIGIN_LOADED, 0);
        rec.nAction = LN_ACTION_DELETE;
        std::strcpy(rec.szID, szID);
        m_util.AddRec(&rec);
    }
    ASSERT_TRUE(Save()) << m_log.Text();
    EXPECT_EQ(AllNotes(), std::vector<NOTEID>{id});
    EXPECT_NE(m_log.Text().find("Delete existed Notes contact item, item ID = 0"),
              std::string::npos);
    EXPECT_EQ(ErrorValue("Error.Count"), "0");

    m_util.ClearAll();
    tagCxLNAddrRec rec = WriteRec(LN_ORIGIN_LOADED, id);
    rec.nAction = LN_ACTION_DELETE;
    m_util.AddRec(&rec);
    ASSERT_TRUE(Save());
    EXPECT_EQ(AllNotes(), std::vector<NOTEID>{});
}

TEST_F(AddrSaveTest, AMissingNoteIsReportedAndTheNextRecordIsWritten) {
    NOTEID id = AddAnn();
    tagCxLNAddrRec missing = WriteRec(LN_ORIGIN_MODIFIED, id + 1000);
    std::strcpy(missing.szCompany, "Nowhere");
    m_util.AddRec(&missing);
    tagCxLNAddrRec present = WriteRec(LN_ORIGIN_MODIFIED, id);
    std::strcpy(present.szCompany, "Acme");
    m_util.AddRec(&present);
    ASSERT_TRUE(Save()) << m_log.Text();

    EXPECT_EQ(ErrorValue("Error.Count"), "1");
    EXPECT_EQ(ErrorValue("Error.1").rfind("Failed to call NSFNoteOpen, error code=", 0), 0u);
    EXPECT_EQ(Text(DumpNote(id), "CompanyName"), "Acme");
}

TEST_F(AddrSaveTest, ItemsThatAreNoPlainTextAreLeftAloneAndReported) {
    NOTEID id = AddNote([](NOTEHANDLE note) {
        AppendTextList(note, "FullName", {"Ann Lee", "A. Lee"});
        AppendRichText(note, "Comment");
    });
    const Dump before = DumpNote(id);
    LoadForWrite();
    tagCxLNAddrRec* rec = m_util.GetFirstRec();
    EXPECT_STREQ(rec->szDisplayName, "");
    EXPECT_STREQ(rec->szNote, "");
    std::strcpy(rec->szDisplayName, "Ann");
    std::strcpy(rec->szNote, "plain");
    ASSERT_TRUE(Save()) << m_log.Text();

    EXPECT_EQ(Changed(before, DumpNote(id)), std::vector<std::string>{});
    EXPECT_EQ(ErrorValue("Error.Count"), "2");
    const std::string note = std::to_string(id);
    EXPECT_EQ(ErrorValue("Error.1"), "Item Comment of Notes document " + note +
                                         " is not a plain text and is left unchanged.");
    EXPECT_EQ(ErrorValue("Error.2"), "Item FullName of Notes document " + note +
                                         " is not a plain text and is left unchanged.");
    EXPECT_NE(m_log.Text().find("Item FullName of Notes document"), std::string::npos);
}

TEST_F(AddrSaveTest, AMissingDatabaseIsReported) {
    m_util.SetLocalName("missing.nsf");
    EXPECT_FALSE(Save());
    EXPECT_EQ(ErrorValue("Error.Count"), "1");
    EXPECT_EQ(ErrorValue("Error.1").rfind(
                  "Can no open Lotus Notes Contacts Database file: missing.nsf, error code=", 0),
              0u);
}

TEST_F(AddrSaveTest, NoDatabaseNameIsAnError) {
    m_util.SetLocalName("");
    EXPECT_FALSE(Save());
    EXPECT_NE(m_log.Text().find("Invalid Lotus Notes Contacts database name."), std::string::npos);
}
