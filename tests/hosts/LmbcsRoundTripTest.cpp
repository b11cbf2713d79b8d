// A contact whose names hold accents, the euro sign and characters outside
// code page 1252, through the real helper host: LMBCS in the database,
// Windows-1252 in the exchange file, and back.
#include <gtest/gtest.h>

#include <string>

#include "FieldUpdate.h"
#include "NotesInstall.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "nsfdb.h"
#include "nsfnote.h"
#include "nsfsearc.h"
#include "wizard/update/UpdateRun.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/update/Vxlnaddr.h"

namespace {

// The import, in UTF-8: Zoë Müller € of Łódź 李, a Straße.
const char kContact[] = "[note 0]\n"
                        "Form: Person\n"
                        "Type: Person\n"
                        "FirstName: Zo\xC3\xAB\n"
                        "LastName: M\xC3\xBCller \xE2\x82\xAC\n"
                        "CompanyName: \xC5\x81\xC3\xB3\x64\xC5\xBA \xE6\x9D\x8E\n"
                        "JobTitle: Stra\xC3\x9F\x65\n";

// The bytes a text item holds as stored, read through the API itself.
class StoredItems {
public:
    explicit StoredItems(const NotesInstall& notes) : m_notes(notes) {}

    std::string Text(const char* item) const {
        char* argv[] = {const_cast<char*>("stored")};
        std::string text;
        if (NotesInitExtended(1, argv) != NOERROR)
            return "(no API)";
        DBHANDLE db = NULLHANDLE;
        NOTEHANDLE note = NULLHANDLE;
        if (NSFDbOpen(m_notes.DataFile("names.nsf").c_str(), &db) == NOERROR) {
            if (NSFNoteOpen(db, 1, 0, &note) == NOERROR) {
                char buffer[256] = "";
                text.assign(buffer, NSFItemGetText(note, item, buffer, sizeof buffer));
                NSFNoteClose(note);
            }
            NSFDbClose(db);
        }
        NotesTerm();
        return text;
    }

private:
    const NotesInstall& m_notes;
};

} // namespace

TEST(LmbcsRoundTrip, AccentsAndTheEuroCrossBetweenLmbcsAndTheCodePage) {
    NotesInstall notes;
    const std::string db = notes.DataFile("names.nsf");
    const std::string import = notes.WizardFolder() + "contact.txt";
    testsupport::WriteFile(import, kContact);
    notes.Notesdb("create '" + db + "'");
    notes.Notesdb("import '" + db + "' '" + import + "'");
    StoredItems stored(notes);
    // ë, ü, ó and ß are code page 850's; € takes group 3, Ł and ź group 6
    // (Latin 2), 李 the Unicode group.
    EXPECT_EQ(stored.Text("FirstName"), "Zo\x89");
    EXPECT_EQ(stored.Text("LastName"), "M\x81ller \x03\x80");
    const std::string company = "\x06\x9D\xA2"
                                "d\x06\xAB \x14\x67\x4E";
    EXPECT_EQ(stored.Text("CompanyName"), company);
    EXPECT_EQ(stored.Text("JobTitle"), "Stra\xE1"
                                       "e");

    CxLNAddrUtil util;
    util.SetTempFilePath(notes.WizardFolder().c_str());
    util.SetLocalName("names.nsf");
    util.SetDebugPath(notes.WizardFolder().c_str());
    ASSERT_TRUE(util.LoadAll()) << util.GetLastErrorMsg();
    ASSERT_EQ(util.GetRecList()->GetCount(), 1u);
    tagCxLNAddrRec* rec = util.GetFirstRec();
    EXPECT_STREQ(rec->szFirstName, "Zo\xEB");
    EXPECT_STREQ(rec->szLastName, "M\xFCller \x80");
    EXPECT_STREQ(rec->szCompany, "?\xF3"
                                 "d? ?"); // no form in the code page
    EXPECT_STREQ(rec->szJobTitle, "Stra\xDF"
                                  "e");
    const std::string exchange = testsupport::ReadFile(notes.WizardFolder() + "LNAddr.dat");
    EXPECT_NE(exchange.find("M\xFCller \x80"), std::string::npos);
    EXPECT_EQ(exchange.find("M\x81ller"), std::string::npos);
    // The loss is counted where the text came in.
    EXPECT_NE(testsupport::ReadFile(notes.WizardFolder() + "appdebug.log")
                  .find("3 character(s) of item CompanyName have no form in code page 1252"),
              std::string::npos);

    tagFUFieldUpdate defs[] = {FieldUpdate(1, FU_OP_APPEND, " \x80"),
                               FieldUpdate(8, FU_OP_SET, "Caf\xE9")};
    CxList definitions, selected;
    for (tagFUFieldUpdate& d : defs)
        definitions.Add(&d);
    selected.Add(util.GetDataMgr()->GetFirstRec());
    CxVXLNAddrUtil engine;
    engine.SetLNUtil(&util);
    EXPECT_EQ(RunFieldUpdates(&selected, &definitions, &engine), 1u);
    ASSERT_TRUE(util.SubmitChanges()) << util.GetLastErrorMsg();

    EXPECT_EQ(stored.Text("FirstName"), "Zo\x89 \x03\x80");
    EXPECT_EQ(stored.Text("JobTitle"), "Caf\x82");
    // Left alone: what the code page could not hold is still there.
    EXPECT_EQ(stored.Text("CompanyName"), company);
    EXPECT_EQ(stored.Text("LastName"), "M\x81ller \x03\x80");

    // The journal shows the texts in UTF-8; the undo puts the stored bytes back.
    const std::vector<std::string> runs = LNJournalRunNames(notes.WizardFolder());
    ASSERT_EQ(runs.size(), 1u);
    const std::string journal =
        testsupport::ReadFile(notes.WizardFolder() + "journal/" + runs[0] + ".jsonl");
    EXPECT_NE(journal.find("\"Zo\xC3\xAB \xE2\x82\xAC\""), std::string::npos) << journal;
    tagLNUndoResult result;
    ASSERT_TRUE(util.Undo(runs[0].c_str(), false, &result)) << util.GetLastErrorMsg();
    EXPECT_EQ(result.nRestored, 2);
    EXPECT_EQ(stored.Text("FirstName"), "Zo\x89");
    EXPECT_EQ(stored.Text("JobTitle"), "Stra\xE1"
                                       "e");
}
