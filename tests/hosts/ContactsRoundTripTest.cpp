// The whole road of a contacts update across real processes: the helper host
// loads a seeded database, the engine changes some records, the helper host
// writes them back, and a dump shows exactly those items changed.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "FieldUpdate.h"
#include "NotesInstall.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "wizard/update/UpdateRun.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/update/Vxlnaddr.h"

namespace {

// Note ID to the item lines of its block, in dump order.
std::map<std::string, std::vector<std::string>> Documents(const std::string& dump) {
    std::map<std::string, std::vector<std::string>> docs;
    std::istringstream in(dump);
    std::string line, note;
    while (std::getline(in, line)) {
        if (line.rfind("[note ", 0) == 0)
            note = line;
        else if (!line.empty())
            docs[note].push_back(line);
    }
    return docs;
}

void Prepare(CxLNAddrUtil& util, const NotesInstall& notes) {
    util.SetTempFilePath(notes.WizardFolder().c_str());
    util.SetLocalName("names.nsf");
}

} // namespace

TEST(ContactsRoundTrip, WritesBackExactlyTheChangedItems) {
    NotesInstall notes;
    notes.Notesdb("create '" + notes.DataFile("names.nsf") + "'");
    notes.Notesdb("seed '" + notes.DataFile("names.nsf") + "' contacts 12");
    auto before = Documents(notes.Dump("names.nsf"));
    ASSERT_EQ(before.size(), 12u);

    CxLNAddrUtil util;
    Prepare(util, notes);
    ASSERT_TRUE(util.LoadAll()) << util.GetLastErrorMsg();
    EXPECT_FALSE(util.HasError());
    ASSERT_EQ(util.GetRecList()->GetCount(), 12u);
    for (tagCxLNAddrRec* rec = util.GetFirstRec(); rec; rec = util.GetNextRec()) {
        auto* common = static_cast<tagCommAddrRec*>(rec->pCommRec);
        ASSERT_NE(common, nullptr);
        EXPECT_EQ(common->pUserData, rec);
        EXPECT_EQ(common->nUserDataSize, 0);
        EXPECT_STREQ(common->szFirstName, rec->szFirstName);
        EXPECT_EQ(common->nSourceType, 9);
    }
    tagCxLNAddrRec* first = util.GetFirstRec();
    EXPECT_STREQ(first->szID, "1");
    EXPECT_STREQ(first->szLastName, "Ivanova");

    // Change the first and third contact; add one.
    tagFUFieldUpdate defs[] = {FieldUpdate(3, FU_OP_SET, "Miller"),
                               FieldUpdate(1, FU_OP_APPEND, "-Ann")};
    CxList definitions, selected;
    for (tagFUFieldUpdate& d : defs)
        definitions.Add(&d);
    CommAddrMgr* mgr = util.GetDataMgr();
    int index = 0;
    for (tagCommAddrRec* c = mgr->GetFirstRec(); c; c = mgr->GetNextRec(), ++index)
        if (index == 0 || index == 2)
            selected.Add(c);
    CxVXLNAddrUtil engine;
    engine.SetLNUtil(&util);
    EXPECT_EQ(RunFieldUpdates(&selected, &definitions, &engine), 2u);
    tagCxLNAddrRec added;
    CxLNAddrUtil::InitRec(&added);
    added.nAction = 2;
    added.nOrigin = 1;
    CxStrCopy(added.szFirstName, "Nina");
    CxStrCopy(added.szLastName, "Novak");
    util.AddRec(&added);

    ASSERT_TRUE(util.SubmitChanges()) << util.GetLastErrorMsg();
    EXPECT_FALSE(util.IsDirty());

    auto after = Documents(notes.Dump("names.nsf"));
    ASSERT_EQ(after.size(), 13u);
    for (const auto& [note, items] : before) {
        SCOPED_TRACE(note);
        bool changed = note == "[note 1]" || note == "[note 3]";
        const std::vector<std::string>& now = after[note];
        ASSERT_EQ(now.size(), items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            if (changed && items[i].rfind("LastName: ", 0) == 0)
                EXPECT_EQ(now[i], "LastName: Miller");
            else if (changed && items[i].rfind("FirstName: ", 0) == 0)
                EXPECT_EQ(now[i], items[i] + "-Ann");
            else
                EXPECT_EQ(now[i], items[i]);
        }
    }
    const std::vector<std::string>& created = after["[note 13]"];
    EXPECT_EQ(created, (std::vector<std::string>{"Form: Person", "Type: Person", "FirstName: Nina",
                                                 "LastName: Novak"}));

    // The write-back settled what it wrote: another one creates nothing more.
    for (tagCxLNAddrRec* rec = util.GetFirstRec(); rec; rec = util.GetNextRec())
        EXPECT_EQ(rec->nAction, 0);
    util.SetDirty(true);
    ASSERT_TRUE(util.SubmitChanges()) << util.GetLastErrorMsg();
    EXPECT_EQ(Documents(notes.Dump("names.nsf")), after);
}

TEST(ContactsRoundTrip, AWrongDatabaseLoadsNothing) {
    NotesInstall notes;
    CxLNAddrUtil util;
    Prepare(util, notes);
    util.SetLocalName("missing.nsf");
    EXPECT_FALSE(util.LoadAll());
    EXPECT_EQ(util.GetRecList()->GetCount(), 0u);
}

TEST(NotesHost, LoadsNoRecordsAndLeavesAFreshErrorReport) {
    NotesInstall notes;
    CxLNNoteUtil util;
    util.SetTempFilePath(notes.WizardFolder().c_str());
    util.SetUserName("Nina Novak");
    ASSERT_TRUE(util.LoadAll());
    EXPECT_EQ(util.GetRecList()->GetCount(), 0u);
    EXPECT_FALSE(util.HasError());
    EXPECT_NE(testsupport::ReadFile(notes.WizardFolder() + "LNNoteErr.dat").find("Error.Count=0"),
              std::string::npos);
    // The helper removed the parameter file, with the password in it, at once.
    EXPECT_FALSE(testsupport::FileExists(notes.WizardFolder() + "LNNoteParam.dat"));
}
