// The helper side of the status and error files, written as a helper host
// writes them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "TestSupport.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNStatusFile.h"
#include "common/lotus/exchange/CxLNStoredStatus.h"
#include "platform/ProfileFile.h"

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class StatusReport : public ::testing::Test {
protected:
    void SetUp() override {
        LNResetReportStop();
        m_util.SetTempFilePath(m_dir.Folder().c_str());
        m_util.SetErrorFile("Err.dat");
        m_util.SetStatusFile("Status.dat");
    }
    std::string Value(const char* key) const {
        char value[1100] = "";
        platform::GetProfileString(m_dir.File("Err.dat").c_str(), "Error", key, "(none)", value,
                                   sizeof value);
        return value;
    }

    void TearDown() override { LNResetReportStop(); }

    TempDir m_dir;
    CxLNBaseUtil m_util;
};

TEST_F(StatusReport, InitErrorReportStartsAFreshFile) {
    WriteFile(m_dir.File("Err.dat"), "[Error]\r\nError.Count=5\r\nError.5=old\r\n");
    m_util.ReportError("before");
    m_util.InitErrorReport();
    EXPECT_EQ(ReadFile(m_dir.File("Err.dat")), "[Error]\r\nError.Count=0\r\n");
    m_util.ReportError("A");
    m_util.ReportError("B");
    m_util.FiniErrorReport();
    EXPECT_EQ(ReadFile(m_dir.File("Err.dat")),
              "[Error]\r\nError.Count=2\r\nError.1=A\r\nError.2=B\r\n");
}

TEST_F(StatusReport, ErrorTextsKeepToOneLine) {
    m_util.InitErrorReport();
    m_util.ReportError("first\r\nError.Count=99");
    m_util.ReportError(nullptr);
    EXPECT_EQ(Value("Error.Count"), "2");
    EXPECT_EQ(Value("Error.1"), "first  Error.Count=99");
    EXPECT_EQ(Value("Error.2"), "");
}

TEST_F(StatusReport, WithoutAnErrorFileNameNothingIsWritten) {
    m_util.SetErrorFile("");
    m_util.InitErrorReport();
    m_util.ReportError("lost");
    ASSERT_TRUE(FileExists(m_dir.Path()));
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.Path()));
}

TEST_F(StatusReport, AnErrorFilePathTooLongIsNotCutToAnotherFile) {
    const std::string deep = m_dir.File(std::string(100, 'a')) + "/" + std::string(100, 'b');
    ASSERT_TRUE(std::filesystem::create_directories(deep));
    m_util.SetTempFilePath((deep + "/").c_str());
    m_util.SetErrorFile((std::string(40, 'e') + "Err.dat").c_str());
    m_util.InitErrorReport();
    m_util.ReportError("lost");
    EXPECT_TRUE(std::filesystem::is_empty(deep));
}

TEST_F(StatusReport, EachStatusReportReplacesTheLine) {
    m_util.ReportStatus("Opening the database");
    m_util.ReportStatus("Reading\nrecords");
    EXPECT_EQ(ReadFile(m_dir.File("Status.dat")), "Reading records\r\n");
    m_util.ReportStatus(nullptr);
    EXPECT_EQ(ReadFile(m_dir.File("Status.dat")), "\r\n");
}

// A report that does not reach its file stops the run with the file and the
// reason: the front end would otherwise read a failed run as one that went well.
TEST_F(StatusReport, AReportThatCanNotBeWrittenStopsTheRun) {
    const struct {
        const char* what;
        void (*report)(CxLNBaseUtil& util);
    } cases[] = {
        {"status", [](CxLNBaseUtil& u) { u.ReportStatus("nowhere"); }},
        {"error count", [](CxLNBaseUtil& u) { u.InitErrorReport(); }},
        {"error", [](CxLNBaseUtil& u) { u.ReportError("lost"); }},
        {"notice", [](CxLNBaseUtil& u) { u.ReportNotice("lost"); }},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        LNResetReportStop();
        m_util.SetTempFilePath(m_dir.Folder().c_str());
        k.report(m_util);
        EXPECT_EQ(LNStopReason(), "");
        m_util.SetTempFilePath(m_dir.File("missing/").c_str());
        k.report(m_util);
        EXPECT_NE(LNStopReason().find("the file " + m_dir.File("missing/")), std::string::npos)
            << LNStopReason();
        EXPECT_NE(LNStopReason().find("can not be written (No such file or directory)"),
                  std::string::npos)
            << LNStopReason();
    }
    // Without a file to write, nothing is asked of the disk.
    LNResetReportStop();
    m_util.SetStatusFile("");
    m_util.SetErrorFile("");
    m_util.ReportStatus("nowhere");
    m_util.ReportError("nowhere");
    EXPECT_EQ(LNStopReason(), "");
}

} // namespace

TEST_F(StatusReport, TheStatusLineIsReadBackUpToItsBuffer) {
    char line[16];
    EXPECT_FALSE(LNReadStatusLine(m_dir.File("Status.dat").c_str(), line, sizeof line));
    EXPECT_STREQ(line, "");
    m_util.ReportStatus("Opening");
    EXPECT_TRUE(LNReadStatusLine(m_dir.File("Status.dat").c_str(), line, sizeof line));
    EXPECT_STREQ(line, "Opening");
    // A file that is no status file: one long line, cut to the buffer.
    WriteFile(m_dir.File("Status.dat"), std::string(1 << 20, 's') + "\r\nsecond\r\n");
    EXPECT_TRUE(LNReadStatusLine(m_dir.File("Status.dat").c_str(), line, sizeof line));
    EXPECT_EQ(std::string(line), std::string(15, 's'));
    WriteFile(m_dir.File("Status.dat"), "first\nsecond\n");
    EXPECT_TRUE(LNReadStatusLine(m_dir.File("Status.dat").c_str(), line, sizeof line));
    EXPECT_STREQ(line, "first");
}

TEST_F(StatusReport, AStatusFileThatIsALinkIsNotWrittenThrough) {
    WriteFile(m_dir.File("target"), "precious");
    ASSERT_EQ(symlink(m_dir.File("target").c_str(), m_dir.File("Status.dat").c_str()), 0);
    m_util.ReportStatus("Opening");
    EXPECT_EQ(ReadFile(m_dir.File("target")), "precious");
}

TEST(StoredStatus, TheWriteBackLineNamesItsTotalWhenKnownAndReadsBack) {
    const struct {
        long stored, total;
        const char* text;
    } cases[] = {
        {0, 8000, "Writing the changes back to Lotus Notes: 0 of 8000 documents stored so far."},
        {2432, 8000, "Writing the changes back to Lotus Notes: 2432 of 8000 documents stored so far."},
        {128, -1, "Writing the changes back to Lotus Notes: 128 documents stored so far."},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(LNStoredStatusText(k.stored, k.total), k.text);
        long stored = -5, total = -5;
        EXPECT_TRUE(LNParseStoredStatus(k.text, &stored, &total)) << k.text;
        EXPECT_EQ(stored, k.stored);
        EXPECT_EQ(total, k.total);
    }
    for (const char* other : {"", "Opening the database",
                              "Writing the changes back to Lotus Notes: 12 of documents stored so far.",
                              "Writing the changes back to Lotus Notes: -3 documents stored so far.",
                              "Writing the changes back to Lotus Notes: 4 of 5 documents stored so far. x"}) {
        long stored = -5, total = -5;
        EXPECT_FALSE(LNParseStoredStatus(other, &stored, &total)) << other;
        EXPECT_EQ(stored, -5);
    }
}
