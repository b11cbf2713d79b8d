// The item tables of the calendar and task kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/lotus/engine/CxLNDateItems.h"
#include "common/lotus/engine/CxLNTaskItems.h"

namespace {

// Items in table order each match at the hint; ids are positions, -1 for
// the items recognised and not read.
void ExpectTableOrderMatches(const tagLNItemKind& kind, const std::vector<int>& notRead) {
    int hint = 0;
    for (int i = 0; i < kind.nCount; ++i) {
        const bool read = std::find(notRead.begin(), notRead.end(), i) == notRead.end();
        EXPECT_EQ(LNLookupItem(kind, kind.pTable[i].szName, &hint), read ? i : -1)
            << kind.pTable[i].szName;
        EXPECT_EQ(hint, i + 1) << kind.pTable[i].szName;
    }
}

} // namespace

TEST(MailItemTables, CalendarItemsMatchInTableOrder) {
    ASSERT_EQ(kLNDateItems.nCount, 29);
    EXPECT_STREQ(kLNDateItems.pTable[27].szName, "$REF");
    EXPECT_STREQ(kLNDateItems.pTable[28].szName, "$PublicAccess");
    ExpectTableOrderMatches(kLNDateItems, {5, 7, 8, 10});
}

TEST(MailItemTables, TaskItemsMatchInTableOrder) {
    ASSERT_EQ(kLNTaskItems.nCount, 31);
    ExpectTableOrderMatches(kLNTaskItems, {});
}

TEST(MailItemTables, DollarNamesAndOtherCaseAreLookedUp) {
    int hint = 20;
    EXPECT_EQ(LNLookupItem(kLNDateItems, "$csflags", &hint), 25);
    EXPECT_EQ(LNLookupItem(kLNDateItems, "SUBJECT", &hint), 0);
    EXPECT_EQ(hint, 1);
    EXPECT_EQ(LNLookupItem(kLNTaskItems, "$publicaccess", &hint), 5);
    EXPECT_EQ(LNLookupItem(kLNTaskItems, "Comment", &hint), -1);
    EXPECT_EQ(hint, 6);
}
