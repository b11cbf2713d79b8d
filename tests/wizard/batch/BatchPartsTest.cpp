// Small parts of vxln-batch: columns of --where, text case, the progress
// line, the password sources and the date texts of the dry run.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "wizard/batch/BatchDiff.h"
#include "wizard/batch/BatchFilter.h"
#include "wizard/batch/BatchPassword.h"
#include "wizard/batch/BatchProgress.h"
#include "wizard/batch/BatchText.h"
#include "wizard/controller/WizardSteps.h"

namespace {

TEST(BatchParts, ColumnsAreTheRecordListsOfTheKind) {
    struct Case {
        int kind;
        const char* text;
        int key;
        const char* value;
    } cases[] = {
        {LN_KIND_ADDR, "last name=Smith", 3, "Smith"},
        {LN_KIND_ADDR, " COMPANY =Acme=Inc ", 53, "Acme=Inc "},
        {LN_KIND_DATE, "Description=Review", 1, "Review"},
        {LN_KIND_TASK, "subject=", 0, ""},
        {LN_KIND_TASK, "DueDate=01/02/2027", 4, "01/02/2027"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        tagBatchCondition c;
        std::string error;
        ASSERT_TRUE(ParseBatchCondition(k.kind, k.text, &c, &error)) << error;
        EXPECT_EQ(c.row.nKey, k.key);
        EXPECT_EQ(c.value, k.value);
    }
    tagBatchCondition c;
    std::string error;
    EXPECT_FALSE(ParseBatchCondition(LN_KIND_TASK, "Last Name=Smith", &c, &error));
    EXPECT_EQ(error, "Unknown column \"Last Name\" in --where.");
}

TEST(BatchParts, CaseIsIgnoredInTheRecordsCodePage) {
    EXPECT_TRUE(BatchSameText("M\xDCLLER", "m\xFCller"));
    EXPECT_TRUE(BatchSameText("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));
    EXPECT_FALSE(BatchSameText("\xD7", "\xF7")); // times and division are no pair
    EXPECT_FALSE(BatchSameText("Smith", "Smith "));
}

TEST(BatchParts, ProgressLine) {
    EXPECT_EQ(BatchProgressLine(0, 4), "\r[##########..............................]  25%");
    EXPECT_EQ(BatchProgressLine(2, 3), "\r[########################################] 100%");
    // Not a terminal: nothing is drawn.
    std::FILE* f = std::tmpfile();
    CxBatchProgress bar(f);
    bar.Step(0, 1);
    bar.Finish();
    EXPECT_EQ(std::ftell(f), 0L);
    std::fclose(f);
}

TEST(BatchParts, PasswordSources) {
    std::FILE* in = std::tmpfile();
    std::fputs("secret word\r\nnext\n", in);
    std::rewind(in);
    EXPECT_EQ(ReadBatchPassword(BATCH_PASSWORD_STDIN, in, stderr), "secret word");
    EXPECT_EQ(ReadBatchPassword(BATCH_PASSWORD_NONE, in, stderr), "");
    EXPECT_EQ(ReadBatchPassword(BATCH_PASSWORD_DEFAULT, in, stderr), ""); // no terminal
    std::fclose(in);
}

TEST(BatchParts, DateTexts) {
    EXPECT_EQ(BatchDateText(0.0, false), "(none)");
    EXPECT_EQ(BatchDateText(2.5, true), "1900-01-01 12:00:00");
    EXPECT_EQ(BatchDateText(2.5, false), "1900-01-01");
    EXPECT_EQ(BatchDateText(1e12, false), "(invalid)");
}

} // namespace
