// The runs of the journal folder as vxln-batch lists them, from journals
// that are sound, unfinished, damaged or hostile.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNJournalList.h"

namespace {

const std::string kHead = "{\"journal\":1,\"run\":\"r\",\"time\":\"2024-05-01T10:00:00Z\","
                          "\"kind\":\"contacts\",\"database\":\"names.nsf\"}\n";
const std::string kEntry = "{\"entry\":1,\"doc\":5,\"action\":\"change\",\"items\":[{},{}]}\n";

TEST(JournalList, TellsHowEachRunEndedAndNeverFailsOnAFieldOfTheWrongType) {
    struct Case {
        const char* name;
        std::string text;
        int documents;
        const char* end;
        const char* damaged;
    } cases[] = {
        {"done", kHead + kEntry + "{\"entry\":1,\"doc\":5,\"committed\":true}\n{\"end\":\"done\"}\n",
         1, "done", ""},
        {"stopped", kHead + kEntry + "{\"end\":\"stopped\",\"why\":\"it was asked to stop\"}\n", 0,
         "stopped", ""},
        {"unfinished", kHead + kEntry, 0, "", ""},
        {"wrong_types",
         "{\"journal\":1,\"run\":5,\"kind\":[],\"time\":{}}\n", 0, "", "it is no journal"},
        {"wrong_journal", "{\"journal\":\"1\",\"run\":\"r\"}\n", 0, "", "it is no journal"},
        {"wrong_lines",
         kHead + kEntry + "{\"entry\":1,\"committed\":\"yes\"}\n{\"end\":7,\"why\":[]}\n", 0, "",
         ""},
        {"long_line", kHead + std::string(17u << 20, 'x') + "\n", 0, "",
         "line 2 is longer than 16777216 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir data;
        ASSERT_EQ(mkdir(data.File("journal").c_str(), 0700), 0);
        testsupport::WriteFile(data.File("journal/") + c.name + ".jsonl", c.text);
        const std::vector<tagLNJournalRun> runs = LNListJournalRuns(data.Folder());
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].nDocuments, c.documents);
        EXPECT_EQ(runs[0].sEnd, c.end);
        EXPECT_EQ(runs[0].sDamaged, c.damaged);
    }
}

TEST(JournalList, AJournalFolderThatIsALinkHoldsNoRuns) {
    testsupport::TempDir data, elsewhere;
    testsupport::WriteFile(elsewhere.File("r.jsonl"), kHead);
    ASSERT_EQ(symlink(elsewhere.Path().c_str(), data.File("journal").c_str()), 0);
    EXPECT_TRUE(LNListJournalRuns(data.Folder()).empty());
    tagLNJournalRun run;
    EXPECT_FALSE(LNReadJournalRun(data.Folder(), "r", &run));
}

} // namespace
