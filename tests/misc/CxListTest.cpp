#include <gtest/gtest.h>

#include <cstdlib>

#include "common/misc/CxAssert.h"
#include "common/misc/CxList.h"

namespace {

int a = 1, b = 2, c = 3;

struct CxListAbc : ::testing::Test {
    void SetUp() override {
        list.Add(&a);
        list.Add(&b);
        list.Add(&c);
    }
    CxList list;
};

} // namespace

TEST(CxList, EmptyListGivesNothingAndKeepsIndexZero) {
    CxList list;
    EXPECT_EQ(list.GetFirst(), nullptr);
    EXPECT_EQ(list.GetLast(), nullptr);
    EXPECT_EQ(list.GetNext(), nullptr);
    EXPECT_EQ(list.GetPrev(), nullptr);
    EXPECT_EQ(list.GetAt(0), nullptr);
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_FALSE(list.Remove(&a));
}

TEST(CxList, AddOfNullIsRefused) {
    CxList list;
    EXPECT_FALSE(list.Add(nullptr));
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_TRUE(list.Add(&a));
    EXPECT_FALSE(list.Add(nullptr));
    EXPECT_EQ(list.GetCount(), 1u);
}

TEST_F(CxListAbc, WalksForwardAndBackward) {
    EXPECT_EQ(list.GetFirst(), &a);
    EXPECT_EQ(list.GetNext(), &b);
    EXPECT_EQ(list.GetNext(), &c);
    EXPECT_EQ(list.GetNext(), nullptr);
    EXPECT_EQ(list.GetNext(), nullptr); // stays on the last
    EXPECT_EQ(list.GetLast(), &c);
    EXPECT_EQ(list.GetPrev(), &b);
    EXPECT_EQ(list.GetPrev(), &a);
    EXPECT_EQ(list.GetPrev(), nullptr);
    EXPECT_EQ(list.GetNext(), &b); // the position survived the failed step
}

TEST_F(CxListAbc, GetAtJumpsBothWaysAndIgnoresOutOfRange) {
    EXPECT_EQ(list.GetAt(2), &c);
    EXPECT_EQ(list.GetAt(0), &a);
    EXPECT_EQ(list.GetAt(3), nullptr);
    EXPECT_EQ(list.GetNext(), &b);
    EXPECT_EQ(list.GetAt(1), &b);
    EXPECT_EQ(list.GetAt(2), &c);
}

TEST_F(CxListAbc, IndicesStayDenseAfterRemove) {
    ASSERT_TRUE(list.Remove(&a));
    EXPECT_EQ(list.Find(&b)->nIndex, 0u);
    EXPECT_EQ(list.Find(&c)->nIndex, 1u);
    EXPECT_EQ(list.GetAt(0), &b);
}

TEST_F(CxListAbc, RemoveOfMiddleMakesFollowerCurrent) {
    ASSERT_TRUE(list.Remove(&b));
    EXPECT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetPrev(), &a); // from C at index 1
    EXPECT_EQ(list.GetNext(), &c);
    EXPECT_EQ(list.GetAt(1), &c);
    EXPECT_EQ(list.Find(&c)->nIndex, 1u);
}

TEST_F(CxListAbc, RemoveOfTailLeavesNoCurrentNode) {
    ASSERT_TRUE(list.Remove(&c));
    EXPECT_EQ(list.GetNext(), nullptr);
    EXPECT_EQ(list.GetPrev(), &b);
    EXPECT_EQ(list.GetLast(), &b);
    list.Add(&c);
    EXPECT_EQ(list.GetLast(), &c);
    EXPECT_EQ(list.GetPrev(), &b);
}

TEST_F(CxListAbc, RemoveOfHeadAndOfEverything) {
    ASSERT_TRUE(list.Remove(&a));
    EXPECT_EQ(list.GetFirst(), &b);
    ASSERT_TRUE(list.Remove(&b));
    ASSERT_TRUE(list.Remove(&c));
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.GetFirst(), nullptr);
    EXPECT_EQ(list.GetPrev(), nullptr);
    EXPECT_FALSE(list.Remove(&c));
}

TEST(CxList, RemoveOfDoubleEntryTakesTheOneNearerTheHead) {
    CxList list;
    list.Add(&a);
    list.Add(&b);
    list.Add(&a);
    ASSERT_TRUE(list.Remove(&a));
    EXPECT_EQ(list.GetFirst(), &b);
    EXPECT_EQ(list.GetNext(), &a);
    EXPECT_EQ(list.Find(&a)->nIndex, 1u);
}

TEST(CxList, RemoveAllFreesEachElementOnceAndRestarts) {
    // The sanitizer build reports a double free or a leak here.
    CxList list;
    for (int i = 0; i < 3; ++i)
        list.Add(std::malloc(8));
    list.RemoveAll(true);
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.GetFirst(), nullptr);
    list.Add(&a);
    EXPECT_EQ(list.Find(&a)->nIndex, 0u);
    EXPECT_EQ(list.GetFirst(), &a);
}

TEST(CxList, RemoveWithFreeReleasesTheElement) {
    CxList list;
    void* p = std::malloc(8);
    list.Add(p);
    list.Add(&a);
    EXPECT_TRUE(list.Remove(p, true));
    EXPECT_EQ(list.GetFirst(), &a);
}

TEST(CxListDeathTest, AssertionNamesTheExpression) {
    EXPECT_DEATH(CX_ASSERT(false, "m_pCurr->nIndex==m_nFindIndex"),
                 "Assertion failed: m_pCurr->nIndex==m_nFindIndex");
}
