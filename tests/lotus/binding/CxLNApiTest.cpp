// The Notes binding: loading the library from the Notes program folder,
// refusing a missing library or function, and fakes in its place.
#include <gtest/gtest.h>

#include "NotesFolder.h"
#include "common/lotus/binding/CxLNApi.h"
#include "common/misc/CxString.h"
#include "tests/lotus/LogCapture.h"

#include <cstring>

using testsupport::NotesFolder;

namespace {

class CxLNApiTest : public ::testing::Test {
protected:
    void TearDown() override {
        CxLNApi::Stop();
        CxLNApi::Uninstall();
    }
    LogCapture m_log;
};

int g_inits = 0, g_terms = 0;
STATUS g_initStatus = NOERROR;
STATUS LNPUBLIC FakeInit(int, char**) {
    ++g_inits;
    return g_initStatus;
}
void LNPUBLIC FakeTerm() {
    ++g_terms;
}
WORD LNPUBLIC FakeLoadString(HMODULE, STATUS, char* buffer, WORD size) {
    CxStrCopy(buffer, size, "fake");
    return static_cast<WORD>(std::strlen(buffer));
}

tagLNApiTable FakeTable() {
    g_inits = g_terms = 0;
    g_initStatus = NOERROR;
    tagLNApiTable table{};
    table.NotesInitExtended = FakeInit;
    table.NotesTerm = FakeTerm;
    table.OSLoadString = FakeLoadString;
    return table;
}

} // namespace

TEST_F(CxLNApiTest, AMissingLibraryFailsTheStart) {
    NotesFolder folder("");
    ASSERT_TRUE(folder.Ok());
    EXPECT_FALSE(CxLNApi::Start());
    EXPECT_FALSE(CxLNApi::IsStarted());
    EXPECT_EQ(LNApi().NSFDbOpen, nullptr);
    EXPECT_NE(m_log.Text().find("[!!!] - Can not load Lotus Notes library ./libnotes.so: "),
              std::string::npos);
    CxLNApi::Stop(); // harmless
}

TEST_F(CxLNApiTest, ALibraryLackingAFunctionFailsTheStartNamingIt) {
    NotesFolder folder(PARTIAL_NOTES_LIBRARY);
    ASSERT_TRUE(folder.Ok());
    EXPECT_FALSE(CxLNApi::Start());
    EXPECT_EQ(LNApi().NotesInitExtended, nullptr); // released
    EXPECT_NE(m_log.Text().find("[!!!] - Lotus Notes library ./libnotes.so has no function "
                                "NotesInit\r\n"),
              std::string::npos);
}

TEST_F(CxLNApiTest, AnInstalledTableIsUsedWithoutALibrary) {
    NotesFolder folder(""); // nothing to load
    CxLNApi::Install(FakeTable());
    ASSERT_TRUE(CxLNApi::Start());
    EXPECT_EQ(g_inits, 1);
    char text[16];
    EXPECT_EQ(LNApi().OSLoadString(NULLHANDLE, 1, text, sizeof text), 4);
    EXPECT_STREQ(text, "fake");
    CxLNApi::Stop();
    EXPECT_EQ(g_terms, 1);
    CxLNApi::Stop();
    EXPECT_EQ(g_terms, 1); // once per start
    text[0] = '\0';
    EXPECT_EQ(LNApi().OSLoadString(NULLHANDLE, 1, text, sizeof text), 4); // still installed
    EXPECT_STREQ(text, "fake");
    CxLNApi::Uninstall();
    EXPECT_EQ(LNApi().OSLoadString, nullptr);
}

TEST_F(CxLNApiTest, AFailedInitFailsTheStartWithItsStatus) {
    CxLNApi::Install(FakeTable());
    g_initStatus = ERR_NOEXIST;
    EXPECT_FALSE(CxLNApi::Start());
    EXPECT_FALSE(CxLNApi::IsStarted());
    CxLNApi::Stop();
    EXPECT_EQ(g_terms, 0);
    EXPECT_NE(m_log.Text().find("[!!!] - Failed to call NotesInitExtended, error code=259\r\n"),
              std::string::npos);
}
