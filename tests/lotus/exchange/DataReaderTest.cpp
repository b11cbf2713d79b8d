// The process runner on its own: names, the files it removes, and runs of the
// fake helper host beside this program.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNDataReader.h"
#include "tests/lotus/LogCapture.h"

using testsupport::FileExists;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::string CurrentFolder() {
    char cwd[PATH_MAX] = "";
    return getcwd(cwd, sizeof cwd) ? cwd : "";
}

TEST(CxLNDataReader, NamesAreCutAndNullKeepsThem) {
    CxLNDataReader reader;
    EXPECT_EQ(reader.GetTimeout(), 1800000);
    EXPECT_STREQ(reader.GetHelperName(), "");
    const std::string longName(300, 'h');
    reader.SetHelperName(longName.c_str());
    reader.SetTempPath("/data/");
    reader.SetParamFileName("P.dat");
    reader.SetDataFileName("D.dat");
    reader.SetHelperName(nullptr);
    reader.SetTempPath(nullptr);
    reader.SetParamFileName(nullptr);
    reader.SetDataFileName(nullptr);
    EXPECT_EQ(std::string(reader.GetHelperName()), longName.substr(0, 259));
    EXPECT_STREQ(reader.GetTempPath(), "/data/");
    EXPECT_STREQ(reader.GetParamFileName(), "P.dat");
    EXPECT_STREQ(reader.GetDataFileName(), "D.dat");
    // Nothing to remove at "/data/" on this machine; the names go unused.
    reader.SetTempPath("");
}

TEST(CxLNDataReader, DestructionRemovesTheParameterAndDataFilesOnly) {
    TempDir dir;
    for (const char* name : {"P.dat", "D.dat", "Status.dat"})
        WriteFile(dir.File(name), "x");
    {
        CxLNDataReader reader;
        reader.SetTempPath(dir.Folder().c_str());
        reader.SetParamFileName("P.dat");
        reader.SetDataFileName("D.dat");
    }
    EXPECT_FALSE(FileExists(dir.File("P.dat")));
    EXPECT_FALSE(FileExists(dir.File("D.dat")));
    EXPECT_TRUE(FileExists(dir.File("Status.dat")));
}

TEST(CxLNDataReader, DestructionWithoutNamesLeavesTheFolder) {
    TempDir dir;
    const std::string empty = dir.File("empty");
    ASSERT_EQ(mkdir(empty.c_str(), 0700), 0);
    {
        CxLNDataReader reader;
        reader.SetTempPath((empty + "/").c_str());
    }
    {
        CxLNDataReader reader;
        reader.SetTempPath(empty.c_str()); // no separator at its end
        reader.SetParamFileName("P.dat");
    }
    EXPECT_TRUE(FileExists(empty));
}

TEST(CxLNDataReader, OneReaderPerKind) {
    EXPECT_EQ(GetLNDataReader(1), GetLNDataReader(1));
    EXPECT_NE(GetLNDataReader(1), GetLNDataReader(2));
    EXPECT_NE(GetLNDataReader(4), nullptr);
    EXPECT_NE(GetLNDataReader(8), nullptr);
    EXPECT_EQ(GetLNDataReader(0), nullptr);
    EXPECT_EQ(GetLNDataReader(3), nullptr);
    EXPECT_EQ(GetLNDataReader(16), nullptr);
}

class DataReaderRun : public ::testing::Test {
protected:
    void SetUp() override {
        m_reader.SetHelperName("Zembrik.LNAddrHost");
        m_reader.SetTempPath(m_data.Folder().c_str());
        m_reader.SetParamFileName("LNAddrParam.dat");
        m_reader.SetDataFileName("LNAddr.dat");
    }
    void UseNotesFolder(const std::string& folder) {
        WriteFile(m_env.Registry(),
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes]\r\nPath=" + folder + "\r\n");
    }

    testsupport::IsolatedEnv m_env;
    TempDir m_data;
    LogCapture m_log;
    CxLNDataReader m_reader;
};

TEST_F(DataReaderRun, AHelperThatEndsHasExitedAndTellsItsCode) {
    // Without a parameter file the fake ends at once with a failure code.
    EXPECT_EQ(m_reader.Execute(), CxLNDataReader::Exited);
    EXPECT_EQ(m_reader.GetExitCode(), 2);
    EXPECT_EQ(m_reader.GetExitSignal(), 0);
    EXPECT_NE(m_log.Text().find("Helper utility program exited with code 2.\r\n"),
              std::string::npos);
    EXPECT_EQ(m_log.Text().find("exited successfully"), std::string::npos);
}

TEST_F(DataReaderRun, AMissingProgramIsNotStartedAndTheFolderIsRestored) {
    const std::string before = CurrentFolder();
    m_reader.SetHelperName("Zembrik.LNNoSuchHost");
    EXPECT_EQ(m_reader.Execute(), CxLNDataReader::NotStarted);
    EXPECT_EQ(CurrentFolder(), before);
    EXPECT_NE(m_log.Text().find("CreateProcess Error: No such file or directory\r\n"),
              std::string::npos);
}

TEST_F(DataReaderRun, ANotesFolderThatIsGoneStartsNoHelper) {
    UseNotesFolder(m_env.Dir().File("gone"));
    EXPECT_EQ(m_reader.Execute(), CxLNDataReader::NotStarted);
    EXPECT_NE(m_log.Text().find("CreateProcess Error: "), std::string::npos);
}

} // namespace
