// Storage of the four managers: what AddRec copies and what DelRec and
// Clear free. The sanitizer run proves that nothing leaks or is freed twice.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/lotus/exchange/CxLNRecords.h"
#include "common/pim/CommAddrMgr.h"
#include "common/pim/CommDateMgr.h"
#include "common/pim/CommNoteMgr.h"
#include "common/pim/CommTaskMgr.h"

namespace {

template <class Mgr, class Rec> struct Kind {
    typedef Mgr Manager;
    typedef Rec Record;
};

template <class K> class CommStoreTest : public ::testing::Test {
protected:
    typedef typename K::Manager Manager;
    typedef typename K::Record Record;

    static Record Blank() {
        Record rec;
        std::memset(&rec, 0, sizeof rec);
        return rec;
    }
    // A record that only refers to a Notes record, as every record of the system does.
    static Record Linked(void* notes) {
        Record rec = Blank();
        rec.pUserData = notes;
        return rec;
    }
    // A record that owns `size` bytes of user data (allocated by the caller).
    static Record Owning(int size, unsigned char fill) {
        Record rec = Blank();
        rec.pUserData = std::malloc(static_cast<std::size_t>(size));
        std::memset(rec.pUserData, fill, static_cast<std::size_t>(size));
        rec.nUserDataSize = size;
        return rec;
    }

    Manager mgr;
};

typedef ::testing::Types<Kind<CommAddrMgr, tagCommAddrRec>, Kind<CommDateMgr, tagCommDateRec>,
                         Kind<CommTaskMgr, tagCommTaskRec>, Kind<CommNoteMgr, tagCommNoteRec>>
    Kinds;
TYPED_TEST_SUITE(CommStoreTest, Kinds);

TYPED_TEST(CommStoreTest, ALinkIsCopiedAsPointerAndNeverFreed) {
    tagCxLNTaskRec notes{};
    auto rec = this->Linked(&notes);
    auto* stored = this->mgr.AddRec(&rec);
    ASSERT_NE(stored, nullptr);
    EXPECT_NE(stored, &rec);
    EXPECT_EQ(stored->pUserData, &notes);
    this->mgr.DelRec(stored); // would be an invalid free if the link were freed
    auto* again = this->mgr.AddRec(&rec);
    ASSERT_NE(again, nullptr);
    this->mgr.Clear();
    EXPECT_EQ(this->mgr.GetFirstRec(), nullptr);
}

TYPED_TEST(CommStoreTest, OwnedUserDataIsCopiedIntoItsOwnBlock) {
    auto rec = this->Owning(100, 0x5a);
    auto* stored = this->mgr.AddRec(&rec);
    ASSERT_NE(stored, nullptr);
    ASSERT_NE(stored->pUserData, rec.pUserData);
    EXPECT_EQ(stored->nUserDataSize, 100);
    EXPECT_EQ(std::memcmp(stored->pUserData, rec.pUserData, 100), 0);
    std::free(rec.pUserData); // the caller's block stays the caller's
    this->mgr.DelRec(stored); // frees record and copy; a leak would show
    EXPECT_EQ(this->mgr.GetFirstRec(), nullptr);
}

TYPED_TEST(CommStoreTest, ClearFreesMixedRecordsAndTheDestructorTheRest) {
    tagCxLNAddrRec notes{};
    auto owning = this->Owning(16, 1);
    auto linked = this->Linked(&notes);
    auto blank = this->Blank();
    this->mgr.AddRec(&owning);
    this->mgr.AddRec(&linked);
    this->mgr.AddRec(&blank);
    this->mgr.Clear();
    EXPECT_EQ(this->mgr.GetFirstRec(), nullptr);
    {
        typename TestFixture::Manager scoped;
        scoped.AddRec(&owning);
        scoped.AddRec(&linked);
    } // the destructor clears
    std::free(owning.pUserData);
}

TYPED_TEST(CommStoreTest, WalksInTheOrderAdded) {
    std::vector<typename TestFixture::Record*> added;
    for (int i = 0; i < 3; ++i) {
        auto rec = this->Blank();
        added.push_back(this->mgr.AddRec(&rec));
    }
    EXPECT_EQ(this->mgr.GetFirstRec(), added[0]);
    EXPECT_EQ(this->mgr.GetNextRec(), added[1]);
    EXPECT_EQ(this->mgr.GetNextRec(), added[2]);
    EXPECT_EQ(this->mgr.GetNextRec(), nullptr);
    this->mgr.DelRec(added[1]);
    EXPECT_EQ(this->mgr.GetFirstRec(), added[0]);
    EXPECT_EQ(this->mgr.GetNextRec(), added[2]);
}

TYPED_TEST(CommStoreTest, BadArgumentsDoNothing) {
    EXPECT_EQ(this->mgr.AddRec(nullptr), nullptr);
    this->mgr.DelRec(nullptr);
    auto outsider = this->Blank(); // on the stack: freeing it would crash
    this->mgr.DelRec(&outsider);
    auto rec = this->Blank();
    auto* stored = this->mgr.AddRec(&rec);
    this->mgr.DelRec(&outsider);
    EXPECT_EQ(this->mgr.GetFirstRec(), stored);
}

TEST(CommManagers, DefaultKeyLists) {
    CommAddrMgr addr;
    CommDateMgr date;
    CommTaskMgr task;
    CommNoteMgr note;
    auto keys = [](const int32_t* p, int n) { return std::vector<int32_t>(p, p + n); };
    EXPECT_EQ(keys(addr.GetMatchKeys(), addr.GetMatchKeyCount()), (std::vector<int32_t>{1, 3, 37}));
    EXPECT_EQ(keys(addr.GetCompareKeys(), addr.GetCompareKeyCount()),
              (std::vector<int32_t>{24, 25, 26, 37, 34, 35, 53, 55, 13, 11, 12, 10,
                                    9,  18, 16, 17, 15, 14, 23, 21, 22, 20, 19, 43}));
    EXPECT_FALSE(addr.GetCopyEmpty());
    EXPECT_EQ(keys(date.GetMatchKeys(), date.GetMatchKeyCount()),
              (std::vector<int32_t>{1, 2, 3, 13}));
    EXPECT_EQ(keys(date.GetCompareKeys(), date.GetCompareKeyCount()), (std::vector<int32_t>{9}));
    EXPECT_EQ(keys(task.GetMatchKeys(), task.GetMatchKeyCount()), (std::vector<int32_t>{0}));
    EXPECT_EQ(keys(task.GetCompareKeys(), task.GetCompareKeyCount()),
              (std::vector<int32_t>{2, 4, 0, 0}));
    EXPECT_EQ(keys(note.GetMatchKeys(), note.GetMatchKeyCount()), (std::vector<int32_t>{2}));
    EXPECT_EQ(keys(note.GetCompareKeys(), note.GetCompareKeyCount()), (std::vector<int32_t>{3}));
}

} // namespace
