// Single-record editing of the Notes data classes (library build). The
// write-back itself is another part's; a subclass records it and answers
// with the outcome a test chooses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "tests/support/TestSupport.h"

namespace {

template <class Rec> Rec Zeroed() {
    Rec rec;
    std::memset(&rec, 0, sizeof rec);
    return rec;
}

template <class Util> class Recording : public Util {
public:
    explicit Recording(const testsupport::TempDir& dir) {
        Util::SetTempFilePath(dir.Folder().c_str());
    }
    // As the real write-back: a helper error fails it, and a success settles
    // the written records.
    bool SubmitChanges() override {
        ++submits;
        Util::m_bHasError = helperError;
        if (!outcome || helperError)
            return false;
        Util::ResetWrittenRecords_();
        return true;
    }
    int submits = 0;
    bool outcome = true;
    bool helperError = false;
};

tagCommAddrRec Contact(const char* first, const char* last, const char* email) {
    tagCommAddrRec rec = Zeroed<tagCommAddrRec>();
    std::strcpy(rec.szFirstName, first);
    std::strcpy(rec.szLastName, last);
    std::strcpy(rec.szEmail, email);
    return rec;
}

tagCxLNAddrRec* NotesAt(CxLNAddrUtil& util, uint32_t index) {
    return static_cast<tagCxLNAddrRec*>(util.GetRecList()->GetAt(index));
}

class RecordEdit : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    Recording<CxLNAddrUtil> addr{dir};
};

TEST_F(RecordEdit, AddRecordLinksBothWays) {
    EXPECT_FALSE(addr.AddRecord(nullptr, false));
    addr.SetDirty(false);
    tagCommAddrRec given = Contact("Anna", "Berg", "anna@example.org");
    ASSERT_TRUE(addr.AddRecord(&given, false));
    EXPECT_EQ(addr.submits, 0);
    EXPECT_TRUE(addr.IsDirty());
    ASSERT_EQ(addr.GetRecList()->GetCount(), 1u);
    tagCxLNAddrRec* notes = NotesAt(addr, 0);
    tagCommAddrRec* stored = addr.GetDataMgr()->GetFirstRec();
    EXPECT_EQ(notes->nAction, LN_ACTION_WRITE);
    EXPECT_EQ(notes->nOrigin, LN_ORIGIN_NEW);
    EXPECT_STREQ(notes->szBusinessEmail, "anna@example.org");
    EXPECT_EQ(stored->nSourceType, 9);
    EXPECT_EQ(stored->pUserData, notes);
    EXPECT_EQ(stored->nUserDataSize, 0);
    EXPECT_EQ(notes->pCommRec, stored);
    EXPECT_EQ(given.nSourceType, 0) << "the caller's record stays as it was";
}

TEST_F(RecordEdit, AddRecordOfOwnedUserDataKeepsOnlyTheLink) {
    tagCommAddrRec given = Contact("Anna", "Berg", "anna@example.org");
    char block[100] = "owned";
    given.pUserData = block;
    given.nUserDataSize = sizeof block;
    ASSERT_TRUE(addr.AddRecord(&given, false));
    tagCommAddrRec* stored = addr.GetDataMgr()->GetFirstRec();
    EXPECT_EQ(stored->pUserData, NotesAt(addr, 0));
    EXPECT_EQ(stored->nUserDataSize, 0);
}

TEST_F(RecordEdit, SubmittedAddIsNotCreatedTwice) {
    tagCommAddrRec first = Contact("Anna", "Berg", "anna@example.org");
    ASSERT_TRUE(addr.AddRecord(&first, true));
    EXPECT_EQ(addr.submits, 1);
    EXPECT_TRUE(testsupport::FileExists(dir.File("LNAddr.dat")));
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_NONE);

    addr.outcome = false;
    tagCommAddrRec second = Contact("Carl", "Dorn", "carl@example.org");
    EXPECT_FALSE(addr.AddRecord(&second, true)) << "a failed write-back is no success";
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_NONE);
    EXPECT_EQ(NotesAt(addr, 1)->nAction, LN_ACTION_WRITE) << "kept for the next write-back";
}

TEST_F(RecordEdit, SyncRecordOutcomes) {
    tagCommAddrRec anna = Contact("Anna", "Berg", "anna@example.org");
    std::strcpy(anna.szWorkPhone, "555-0100");
    tagCommAddrRec carl = Contact("Carl", "Dorn", "carl@example.org");
    ASSERT_TRUE(addr.SyncRecord(&anna, false)) << "added";
    ASSERT_TRUE(addr.SyncRecord(&carl, false)) << "added";
    ASSERT_EQ(addr.GetRecList()->GetCount(), 2u);
    NotesAt(addr, 0)->nAction = LN_ACTION_NONE;
    NotesAt(addr, 0)->nOrigin = LN_ORIGIN_LOADED;
    NotesAt(addr, 1)->nAction = LN_ACTION_NONE;
    NotesAt(addr, 1)->nOrigin = LN_ORIGIN_LOADED;

    tagCommAddrRec same = anna;
    std::strcpy(same.szLastName, "BERG");
    EXPECT_FALSE(addr.SyncRecord(&same, false));
    EXPECT_FALSE(addr.SyncRecord(addr.GetDataMgr()->GetFirstRec(), false));
    EXPECT_EQ(addr.GetRecList()->GetCount(), 2u);
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_NONE);

    tagCommAddrRec changed = carl;
    std::strcpy(changed.szWorkPhone, "555-0199");
    EXPECT_TRUE(addr.SyncRecord(&changed, false));
    EXPECT_EQ(addr.GetRecList()->GetCount(), 2u);
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_NONE);
    EXPECT_EQ(NotesAt(addr, 1)->nAction, LN_ACTION_WRITE);
    EXPECT_EQ(NotesAt(addr, 1)->nOrigin, LN_ORIGIN_MODIFIED);
    EXPECT_STREQ(NotesAt(addr, 1)->szBusinessPhone, "555-0199");
    CxList* stored = addr.GetDataMgr()->GetRecords();
    EXPECT_STREQ(static_cast<tagCommAddrRec*>(stored->GetAt(1))->szWorkPhone, "555-0199");
    EXPECT_EQ(addr.submits, 0);
}

TEST_F(RecordEdit, UpdateRecordBounds) {
    tagCommAddrRec anna = Contact("Anna", "Berg", "anna@example.org");
    EXPECT_FALSE(addr.UpdateRecord(&anna, 0, false)) << "no record yet";
    ASSERT_TRUE(addr.AddRecord(&anna, false));
    EXPECT_FALSE(addr.UpdateRecord(nullptr, 0, false));
    EXPECT_FALSE(addr.UpdateRecord(&anna, -1, false));
    EXPECT_FALSE(addr.UpdateRecord(&anna, 1, false));
    std::strcpy(anna.szLastName, "Brandt");
    ASSERT_TRUE(addr.UpdateRecord(&anna, 0, false));
    EXPECT_STREQ(NotesAt(addr, 0)->szLastName, "Brandt");
    EXPECT_EQ(NotesAt(addr, 0)->nOrigin, LN_ORIGIN_NEW) << "not created yet, so still new";
}

TEST_F(RecordEdit, DelRecordWithoutSubmitKeepsTheRecord) {
    tagCommAddrRec anna = Contact("Anna", "Berg", "anna@example.org");
    ASSERT_TRUE(addr.AddRecord(&anna, false));
    EXPECT_FALSE(addr.DelRecord(nullptr, false));
    addr.SetDirty(false);
    ASSERT_TRUE(addr.DelRecord(addr.GetDataMgr()->GetFirstRec(), false));
    EXPECT_EQ(addr.GetRecList()->GetCount(), 1u);
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_DELETE);
    EXPECT_TRUE(addr.IsDirty());
    EXPECT_EQ(addr.submits, 0);
}

TEST_F(RecordEdit, DelRecordFreesOnlyAfterASuccessfulSubmit) {
    tagCommAddrRec anna = Contact("Anna", "Berg", "anna@example.org");
    ASSERT_TRUE(addr.AddRecord(&anna, false));
    addr.outcome = false;
    EXPECT_FALSE(addr.DelRecord(addr.GetDataMgr()->GetFirstRec(), true));
    EXPECT_EQ(addr.submits, 1);
    ASSERT_EQ(addr.GetRecList()->GetCount(), 1u);
    EXPECT_EQ(addr.GetDataMgr()->GetRecords()->GetCount(), 1u);
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_DELETE);

    addr.outcome = true;
    EXPECT_TRUE(addr.DelRecord(addr.GetDataMgr()->GetFirstRec(), true));
    EXPECT_EQ(addr.submits, 2);
    EXPECT_EQ(addr.GetRecList()->GetCount(), 0u);
    EXPECT_EQ(addr.GetDataMgr()->GetRecords()->GetCount(), 0u);
}

TEST_F(RecordEdit, DelRecordIgnoresAForeignLink) {
    tagCommAddrRec anna = Contact("Anna", "Berg", "anna@example.org");
    ASSERT_TRUE(addr.AddRecord(&anna, false));
    tagCxLNAddrRec foreign = Zeroed<tagCxLNAddrRec>();
    tagCommAddrRec other = anna;
    other.pUserData = &foreign;
    EXPECT_TRUE(addr.DelRecord(&other, false));
    EXPECT_EQ(foreign.nAction, 0);
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_WRITE);
}

TEST(RecordEditTasks, MatchOfTheFirstRecordUpdatesPositionZero) {
    testsupport::TempDir dir;
    Recording<CxLNTaskUtil> tasks(dir);
    tagCommTaskRec report = Zeroed<tagCommTaskRec>();
    std::strcpy(report.szSubject, "Report");
    report.nPriority = 1;
    tagCommTaskRec call = Zeroed<tagCommTaskRec>();
    std::strcpy(call.szSubject, "Call");
    ASSERT_TRUE(tasks.AddRecord(&report, false));
    ASSERT_TRUE(tasks.AddRecord(&call, false));
    auto* first = static_cast<tagCxLNTaskRec*>(tasks.GetRecList()->GetAt(0));
    first->nAction = LN_ACTION_NONE;
    first->nOrigin = LN_ORIGIN_LOADED;

    tagCommTaskRec changed = report;
    std::strcpy(changed.szSubject, "REPORT");
    changed.nPriority = 2;
    ASSERT_TRUE(tasks.SyncRecord(&changed, false));
    EXPECT_EQ(tasks.GetRecList()->GetCount(), 2u);
    EXPECT_EQ(first->nAction, LN_ACTION_WRITE);
    EXPECT_EQ(first->nOrigin, LN_ORIGIN_MODIFIED);
    EXPECT_EQ(first->nImportance, 2);
    EXPECT_EQ(tasks.GetDataMgr()->GetFirstRec()->nPriority, 2);
}

TEST(RecordEditNotes, AddedNoteCanBeDeleted) {
    testsupport::TempDir dir;
    Recording<CxLNNoteUtil> notes(dir);
    tagCommNoteRec note = Zeroed<tagCommNoteRec>();
    std::strcpy(note.szSubject, "Idea");
    ASSERT_TRUE(notes.AddRecord(&note, false));
    tagCommNoteRec* stored = notes.GetDataMgr()->GetFirstRec();
    EXPECT_EQ(stored->nSource, 9);
    EXPECT_EQ(notes.GetFirstRec()->pCommRec, stored);
    EXPECT_FALSE(notes.SyncRecord(&note, false)) << "equal subject and note";
    ASSERT_TRUE(notes.DelRecord(stored, true));
    EXPECT_EQ(notes.GetRecList()->GetCount(), 0u);
    EXPECT_EQ(notes.GetDataMgr()->GetRecords()->GetCount(), 0u);
}

} // namespace

namespace {

TEST_F(RecordEdit, SyncRecordKeepsAChangeWhoseSubmitFailed) {
    addr.outcome = false;
    tagCommAddrRec anna = Contact("Anna", "Berg", "anna@example.org");
    EXPECT_TRUE(addr.SyncRecord(&anna, true)) << "the record was added";
    EXPECT_EQ(addr.submits, 1);
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_WRITE);
    addr.outcome = true;
    std::strcpy(anna.szNote, "new note");
    EXPECT_TRUE(addr.SyncRecord(&anna, true)) << "updated";
    EXPECT_EQ(addr.submits, 2);
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_NONE);
    EXPECT_STREQ(NotesAt(addr, 0)->szNote, "new note");
}

} // namespace

namespace {

TEST_F(RecordEdit, AWriteBackWithHelperErrorsKeepsTheRecords) {
    tagCommAddrRec anna = Contact("Anna", "Berg", "anna@example.org");
    ASSERT_TRUE(addr.AddRecord(&anna, false));
    addr.helperError = true;
    EXPECT_FALSE(addr.DelRecord(addr.GetDataMgr()->GetFirstRec(), true));
    ASSERT_EQ(addr.GetRecList()->GetCount(), 1u);
    EXPECT_EQ(NotesAt(addr, 0)->nAction, LN_ACTION_DELETE);
}

TEST_F(RecordEdit, UpdateRecordWithTheStoredRecordItself) {
    tagCommAddrRec anna = Contact("Anna", "Berg", "anna@example.org");
    ASSERT_TRUE(addr.AddRecord(&anna, false));
    tagCommAddrRec* stored = addr.GetDataMgr()->GetFirstRec();
    std::strcpy(stored->szWorkCity, "Oslo");
    ASSERT_TRUE(addr.UpdateRecord(stored, 0, false));
    EXPECT_STREQ(NotesAt(addr, 0)->szBusinessCity, "Oslo");
    EXPECT_STREQ(stored->szWorkCity, "Oslo");
    EXPECT_EQ(stored->pUserData, NotesAt(addr, 0));
}

} // namespace
