// Records kept in the exchange file they were loaded from: read again after
// others changed and after the file was saved over, written back byte for
// byte as the records in memory are, and refused when the file changed under
// them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNRecStore.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/misc/CxString.h"

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

// More than one read window of the file (256 KiB), so that reading an early
// record again goes to the file.
const int kContacts = 2000;

class InFolder : public CxLNAddrUtil {
public:
    explicit InFolder(const TempDir& dir) { SetTempFilePath(dir.Folder().c_str()); }
};

tagCxLNAddrRec Contact(int i) {
    tagCxLNAddrRec rec;
    CxLNAddrUtil::InitRec(&rec);
    CxStrFormat(rec.szFirstName, sizeof rec.szFirstName, "First%d", i);
    CxStrFormat(rec.szLastName, sizeof rec.szLastName, "Last%d", i);
    return rec;
}

// The change the tests make: a new job title, to be written.
void Change(tagCxLNAddrRec* rec, int i) {
    CxStrFormat(rec->szJobTitle, sizeof rec->szJobTitle, "Changed%d", i);
    rec->nAction = LN_ACTION_WRITE;
    rec->nOrigin = LN_ORIGIN_MODIFIED;
}

// Every contact in memory, those of `changed` changed, saved in `dir`.
void SaveInMemory(const TempDir& dir, std::initializer_list<int> changed) {
    InFolder util(dir);
    for (int i = 0; i < kContacts; ++i) {
        tagCxLNAddrRec rec = Contact(i);
        for (int c : changed)
            if (c == i)
                Change(&rec, i);
        ASSERT_NE(util.AddRec(&rec), nullptr);
    }
    ASSERT_TRUE(util.SaveToFile(nullptr));
}

// Changes record `i` of a keyed load in its store, without making it.
bool ChangeInStore(CxLNAddrUtil* util, int i) {
    CxLNRecStore* store = util->GetRecStore();
    tagCxLNAddrRec rec;
    if (!store->ReadRec(store->Slot(i), &rec))
        return false;
    Change(&rec, i);
    return store->KeepRec(store->Slot(i), &rec);
}

std::string JobTitle(CxLNAddrUtil* util, int i) {
    tagCxLNAddrRec rec;
    CxLNRecStore* store = util->GetRecStore();
    return store->ReadRec(store->Slot(i), &rec) ? rec.szJobTitle : "(unreadable)";
}

// Overwrites the byte at `at` of `path` in place: the same file, other bytes.
void Damage(const std::string& path, long at) {
    FILE* file = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fseek(file, at, SEEK_SET), 0);
    const int old = std::fgetc(file);
    ASSERT_EQ(std::fseek(file, at, SEEK_SET), 0);
    std::fputc(old ^ 0x55, file);
    ASSERT_EQ(std::fclose(file), 0);
}

class RecordsOnDemand : public ::testing::Test {
protected:
    void SetUp() override {
        SaveInMemory(m_loaded, {});
        ASSERT_TRUE(m_util.LoadFromFile(nullptr));
        ASSERT_EQ(m_util.GetRecStore()->Count(), static_cast<std::size_t>(kContacts));
    }
    std::string Loaded() const { return m_loaded.File("LNAddr.dat"); }

    TempDir m_loaded;
    InFolder m_util{m_loaded};
};

// Records changed in the store, the file saved over with them, and the others
// still read as loaded, from the file that was loaded; the file written is the
// one the same records in memory give.
TEST_F(RecordsOnDemand, AreReadAgainAsLoadedAfterOthersChangedAndTheFileWasSavedOver) {
    ASSERT_TRUE(ChangeInStore(&m_util, 0));
    ASSERT_TRUE(ChangeInStore(&m_util, 1500));
    ASSERT_TRUE(m_util.SaveToFile(nullptr));

    TempDir expected;
    SaveInMemory(expected, {0, 1500});
    EXPECT_EQ(ReadFile(Loaded()), ReadFile(expected.File("LNAddr.dat")));
    EXPECT_FALSE(FileExists(Loaded() + ".new"));

    EXPECT_EQ(JobTitle(&m_util, 0), "Changed0");
    EXPECT_EQ(JobTitle(&m_util, 1), "");
    EXPECT_EQ(JobTitle(&m_util, 1500), "Changed1500");
    int seen = 0;
    ASSERT_TRUE(m_util.ForEachRecord([&seen](tagCxLNAddrRec* rec) {
        EXPECT_EQ(std::string(rec->szFirstName), "First" + std::to_string(seen));
        ++seen;
        return true;
    }));
    EXPECT_EQ(seen, kContacts);

    // A record handed out is made and stays what it was read as.
    tagCxLNAddrRec* first = m_util.GetFirstRec();
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->szJobTitle, "Changed0");
    EXPECT_STREQ(m_util.GetNextRec()->szFirstName, "First1");
    EXPECT_EQ(m_util.GetFirstRec(), first);
}

// A record whose bytes changed in the file since the load is not used: the
// save fails before anything is written, and says why.
TEST_F(RecordsOnDemand, AFileChangedBetweenReadsIsRefusedAndNothingIsWritten) {
    ASSERT_TRUE(ChangeInStore(&m_util, 1500));
    Damage(Loaded(), 10); // inside the first record
    const std::string damaged = ReadFile(Loaded());

    EXPECT_EQ(JobTitle(&m_util, 0), "(unreadable)");
    EXPECT_FALSE(m_util.SaveToFile(nullptr));
    EXPECT_EQ(ReadFile(Loaded()), damaged);
    EXPECT_FALSE(FileExists(Loaded() + ".new"));
    const std::string damage = m_util.GetRecStore()->Damage();
    EXPECT_NE(damage.find("no longer holds the records read from it"), std::string::npos)
        << damage;
    EXPECT_NE(damage.find(Loaded()), std::string::npos) << damage;
    EXPECT_TRUE(m_util.HasError());
    EXPECT_NE(std::string(m_util.GetLastErrorMsg()).find("nothing was written back"),
              std::string::npos)
        << m_util.GetLastErrorMsg();
}

// A file cut short since the load is damage too, even for records read before.
TEST_F(RecordsOnDemand, AFileCutShortSinceTheLoadIsRefused) {
    ASSERT_TRUE(ChangeInStore(&m_util, 3));
    ASSERT_EQ(truncate(Loaded().c_str(), 1000), 0);
    EXPECT_FALSE(m_util.SaveToFile(nullptr));
    EXPECT_FALSE(m_util.GetRecStore()->Damage().empty());
    EXPECT_EQ(ReadFile(Loaded()).size(), 1000u);
}

} // namespace
