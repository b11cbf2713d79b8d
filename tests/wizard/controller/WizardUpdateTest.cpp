// The update run of the progress page and the finish page's texts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNHeld.h"
#include "common/lotus/exchange/CxLNRecStore.h"
#include "common/misc/CxList.h"
#include "tests/wizard/FakeNotes.h"
#include "wizard/controller/WizardSelection.h"
#include "wizard/controller/WizardUpdate.h"
#include "wizard/controller/WizardWritten.h"
#include "wizard/update/Vxcommon.h"

namespace {

TEST(WizardUpdate, ProgressReadsAsThePageShowsIt) {
    struct Case {
        uint32_t count;
        std::vector<int> expected;
    } cases[] = {
        {3, {33, 66, 100}},
        {7, {14, 28, 42, 57, 71, 85, 100}},
        {1, {100}},
    };
    for (const Case& k : cases) {
        std::vector<int> seen;
        for (uint32_t i = 0; i < k.count; ++i)
            seen.push_back(FUProgressPercent(i, k.count));
        EXPECT_EQ(seen, k.expected);
    }
    EXPECT_EQ(FUProgressPercent(0, 0), 0);
}

TEST(WizardUpdate, FinishTexts) {
    const tagFinishTexts t = MakeFinishTexts(1, 1, 2, nullptr);
    EXPECT_EQ(t.sApp, "Lotus Notes Contacts");
    EXPECT_EQ(t.sFields, "1 fields in total");
    EXPECT_EQ(t.sRecords, "2 records in total");
    EXPECT_EQ(t.sResult, "Records updating successfully.");
    EXPECT_EQ(MakeFinishTexts(2, 0, 0, nullptr).sApp, "Lotus Notes Calendar");
    EXPECT_EQ(MakeFinishTexts(4, 0, 0, nullptr).sApp, "Lotus Notes Tasks");
    EXPECT_EQ(MakeFinishTexts(8, 0, 0, nullptr).sApp, "Unknown");
    tagWizardUpdateResult failed{};
    failed.bSubmitFailed = true;
    failed.sError = "Database is read-only";
    EXPECT_EQ(MakeFinishTexts(1, 1, 1, &failed).sResult, "Database is read-only");
    // The run's notice (which user it ran as) follows the result, whatever it was.
    tagWizardUpdateResult noticed{};
    noticed.sNotice = "The ID file x.id was not used (Wrong Password.); Lotus Notes was used as "
                      "its current user Desk.";
    EXPECT_EQ(MakeFinishTexts(4, 1, 1, &noticed).sResult,
              std::string("Records updating successfully. ") + noticed.sNotice);
    failed.sNotice = noticed.sNotice;
    EXPECT_EQ(MakeFinishTexts(4, 1, 1, &failed).sResult,
              "Database is read-only " + noticed.sNotice);
}

// `c` loads `recs` from their exchange file and is to set every selected
// contact's last name to "Miller".
void LoadToSetMiller(CxWizardController& c, FakeFactory& factory, const tagCxLNAddrRec* recs,
                     int count) {
    c.SetDataFactory(&factory);
    c.SetPause([](int) {});
    c.Start();
    ASSERT_TRUE((WriteExchangeFile<CxLNAddrUtil>(c.GetDataFolderPath(), recs, count)));
    CxStrCopy(c.GetSettings().AddrFile, "/names.nsf");
    ASSERT_TRUE(c.LoadNotesData());
    tagFUFieldUpdate* def = CxWizardController::NewDefinition();
    def->nFieldKey = 3;
    def->nOperation = FU_OP_SET;
    CxStrCopy(def->szValue, "Miller");
    c.GetUpdateDefinitions()->Add(def);
}

class WizardUpdateRun : public ::testing::Test {
protected:
    void SetUp() override {
        const tagCxLNAddrRec recs[] = {MakeContact("1", "John", "Smith"),
                                       MakeContact("2", "Mary", "Jones"),
                                       MakeContact("3", "Ann", "Brown")};
        LoadToSetMiller(c, factory, recs, 3);
    }

    void Select(int index) {
        CommAddrMgr* mgr = c.GetAddrUtil()->GetDataMgr();
        c.GetSelectedRecords()->Add(mgr->GetRecords()->GetAt(index));
    }

    testsupport::IsolatedEnv env;
    FakeFactory factory;
    CxWizardController c;
};

TEST_F(WizardUpdateRun, AppliesAndWritesBack) {
    Select(0);
    Select(2);
    std::string progress;
    const tagWizardUpdateResult r = RunWizardUpdate(c, [&](uint32_t i, uint32_t n) {
        progress += std::to_string(FUProgressPercent(i, n)) + " ";
    });
    EXPECT_EQ(progress, "50 100 ");
    EXPECT_EQ(r.nSelected, 2u);
    EXPECT_EQ(r.nUpdated, 2u);
    EXPECT_TRUE(r.bSubmitted);
    EXPECT_FALSE(r.bSubmitFailed);
    EXPECT_EQ(factory.journal.submits, 1);

    CxLNAddrUtil written;
    written.SetTempFilePath(c.GetDataFolderPath());
    ASSERT_TRUE(written.LoadFromFile(nullptr));
    const char* expected[] = {"Miller", "Jones", "Miller"};
    int i = 0;
    for (tagCxLNAddrRec* rec = written.GetFirstRec(); rec; rec = written.GetNextRec(), ++i)
        EXPECT_STREQ(rec->szLastName, expected[i]);
    EXPECT_EQ(i, 3);
}

TEST_F(WizardUpdateRun, RecordsWithoutNotesRecordsAreSkippedAndNothingIsWritten) {
    Select(1);
    static_cast<tagCommAddrRec*>(c.GetSelectedRecords()->GetAt(0))->pUserData = nullptr;
    const tagWizardUpdateResult r = RunWizardUpdate(c);
    EXPECT_EQ(r.nUpdated, 0u);
    EXPECT_FALSE(r.bSubmitted);
    EXPECT_EQ(factory.journal.submits, 0);
    const tagFinishTexts t = MakeFinishTexts(1, 1, r.nSelected, &r);
    EXPECT_EQ(t.sRecords, "1 records in total");
    EXPECT_EQ(t.sResult, "Records updating successfully.");
}

TEST_F(WizardUpdateRun, AFailedWriteBackIsReportedWithTheHelpersError) {
    struct Case {
        bool result;
        const char* helperError;
        const char* expected;
    } cases[] = {
        {true, "You are not authorized to perform that operation",
         "You are not authorized to perform that operation"},
        {false, "Disk full", "Disk full"},
        {false, "", "Failed to write the changes back to Lotus Notes."},
    };
    Select(0);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.expected);
        factory.journal.submitResult = k.result;
        factory.journal.submitError = k.helperError;
        const tagWizardUpdateResult r = RunWizardUpdate(c);
        EXPECT_TRUE(r.bSubmitFailed);
        EXPECT_EQ(MakeFinishTexts(1, 1, 1, &r).sResult, k.expected);
    }
}

// Records selected as their store keeps them, never made: the update reads
// each from the exchange file, and a file changed since the load stops the
// run before anything is written back. More contacts than one read of the
// file holds, so that an early one is read from the file again.
constexpr int kKeptCount = 2000;

class KeptRecordsUpdate : public ::testing::Test {
protected:

    void SetUp() override {
        std::vector<tagCxLNAddrRec> recs;
        for (int i = 0; i < kKeptCount; ++i) {
            const std::string id = std::to_string(i + 1), last = "Last" + std::to_string(i);
            recs.push_back(MakeContact(id.c_str(), "First", last.c_str()));
        }
        LoadToSetMiller(c, factory, recs.data(), kKeptCount);
        if (HasFatalFailure())
            return;
        const std::vector<tagLNHeld> held = LNHeldEntries(c.GetAddrUtil()->GetDataMgr()->GetRecords());
        for (int index : {0, 1500})
            ASSERT_TRUE(SelectHeld(c, held[static_cast<std::size_t>(index)]));
    }
    std::string File() const { return std::string(c.GetDataFolderPath()) + "LNAddr.dat"; }
    bool Made(int index) const {
        const tagLNRecSlot* slot = c.GetAddrUtil()->GetRecStore()->Slot(static_cast<std::size_t>(index));
        return slot->pRec || slot->pComm;
    }

    testsupport::IsolatedEnv env;
    FakeFactory factory;
    CxWizardController c;
};

TEST_F(KeptRecordsUpdate, ChangesTheSelectedRecordsWithoutMakingThem) {
    const tagWizardUpdateResult r = RunWizardUpdate(c);
    EXPECT_EQ(r.nUpdated, 2u);
    EXPECT_TRUE(r.bSubmitted);
    EXPECT_FALSE(r.bSubmitFailed) << r.sError;
    EXPECT_EQ(factory.journal.submits, 1);
    EXPECT_FALSE(Made(0));
    EXPECT_FALSE(Made(1500));

    CxLNAddrUtil written;
    written.SetTempFilePath(c.GetDataFolderPath());
    ASSERT_TRUE(written.LoadFromFile(nullptr));
    int i = 0;
    for (tagCxLNAddrRec* rec = written.GetFirstRec(); rec; rec = written.GetNextRec(), ++i)
        ASSERT_EQ(std::string(rec->szLastName),
                  i == 0 || i == 1500 ? "Miller" : "Last" + std::to_string(i))
            << i;
    EXPECT_EQ(i, kKeptCount);
}

TEST_F(KeptRecordsUpdate, AFileChangedSinceTheLoadIsNeitherUpdatedFromNorWrittenBack) {
    FILE* file = std::fopen(File().c_str(), "r+b");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fseek(file, 10, SEEK_SET), 0); // inside the first record
    std::fputc('#', file);
    ASSERT_EQ(std::fclose(file), 0);
    const std::string damaged = testsupport::ReadFile(File());

    const tagWizardUpdateResult r = RunWizardUpdate(c);
    EXPECT_TRUE(r.bSubmitFailed);
    EXPECT_NE(r.sError.find("no longer holds the records read from it"), std::string::npos)
        << r.sError;
    EXPECT_NE(r.sError.find("nothing was written back"), std::string::npos) << r.sError;
    EXPECT_EQ(factory.journal.submits, 0);
    EXPECT_EQ(testsupport::ReadFile(File()), damaged);
    EXPECT_EQ(MakeFinishTexts(1, 1, r.nSelected, &r).sResult, r.sError);
}

} // namespace

TEST(ConfirmedWrites, TellWhatTheJournalConfirmedAndOnlyAfterAFailedWriteBack) {
    const struct {
        long long n;
        const char* text;
    } counts[] = {{0, "0"}, {999, "999"}, {1000, "1,000"}, {2432, "2,432"}, {1234567, "1,234,567"}};
    for (const auto& k : counts)
        EXPECT_EQ(GroupedCount(k.n), k.text);

    tagWizardUpdateResult result{};
    result.nUpdated = 8000;
    EXPECT_EQ(DescribeConfirmedWrites(result, "Undo puts them back."), "");
    result.nConfirmed = 2432;
    EXPECT_EQ(DescribeConfirmedWrites(result, "Undo puts them back."),
              "2,432 of 8,000 records were written before the helper program ended; Undo puts "
              "them back.");
    result.nConfirmed = 0;
    EXPECT_EQ(DescribeConfirmedWrites(result, "Undo puts them back."),
              "0 of 8,000 records were written before the helper program ended.");
}
