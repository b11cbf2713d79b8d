// What changed between two pictures of a document's items: matched by name
// without regard to case, the first of a name standing for it, in the order
// of the new picture and then the items only the old one has.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/lotus/engine/CxLNNoteItems.h"

namespace {

LNRawItems Items(const std::vector<std::pair<std::string, std::string>>& named) {
    LNRawItems items;
    for (const auto& [name, value] : named)
        items.push_back({name, TYPE_TEXT, 0, value});
    return items;
}

// "old>new" for each change, "-" for a missing side.
std::vector<std::string> Changes(const LNRawItems& before, const LNRawItems& after) {
    std::vector<std::string> seen;
    for (const tagLNItemChange& c : LNItemChanges(before, after))
        seen.push_back((c.pOld ? c.pOld->sName + "=" + c.pOld->sValue : "-") + ">" +
                       (c.pNew ? c.pNew->sName + "=" + c.pNew->sValue : "-"));
    return seen;
}

} // namespace

TEST(NoteItems, ChangesAreMatchedByNameWithoutCaseAndTheFirstOfANameCounts) {
    const struct {
        const char* what;
        LNRawItems before, after;
        std::vector<std::string> changes;
    } cases[] = {
        {"the same", Items({{"A", "1"}, {"B", "2"}}), Items({{"A", "1"}, {"B", "2"}}), {}},
        {"case and order", Items({{"JobTitle", "x"}, {"B", "2"}}),
         Items({{"B", "2"}, {"JOBTITLE", "x"}}), {}},
        {"a value", Items({{"A", "1"}, {"B", "2"}}), Items({{"A", "1"}, {"b", "3"}}),
         {"B=2>b=3"}},
        {"added and dropped", Items({{"A", "1"}, {"Gone", "g"}}),
         Items({{"New", "n"}, {"A", "1"}}), {"->New=n", "Gone=g>-"}},
        {"a name twice", Items({{"A", "1"}, {"A", "2"}}), Items({{"A", "1"}, {"a", "2"}}),
         {"A=1>a=2"}},
        {"a name that is a prefix", Items({{"Name", "1"}}), Items({{"Name2", "1"}}),
         {"->Name2=1", "Name=1>-"}},
    };
    for (const auto& k : cases)
        EXPECT_EQ(Changes(k.before, k.after), k.changes) << k.what;
}

TEST(NoteItems, AChangedTypeIsAChange) {
    LNRawItems before = Items({{"A", "1"}});
    LNRawItems after = before;
    after[0].nType = TYPE_NUMBER;
    EXPECT_EQ(Changes(before, after), std::vector<std::string>{"A=1>A=1"});
}
