#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "TestSupport.h"
#include "common/misc/CxIniUtil.h"
#include "common/misc/WinUtil.h"

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

struct CxIniUtilTest : ::testing::Test {
    TempDir dir;
    CxIniUtil ini{dir.Folder().c_str(), "zembrik.ini"};
};

} // namespace

TEST_F(CxIniUtilTest, PathIsFolderAndName) {
    EXPECT_EQ(ini.GetFileName(), dir.File("zembrik.ini"));
}

TEST(CxIniUtil, EmptyFolderMeansTheProgramFolder) {
    char folder[CX_MAX_PATH];
    GetModulePath(nullptr, folder);
    CxIniUtil a("", "x.ini"), b(nullptr, "x.ini");
    EXPECT_EQ(std::string(a.GetFileName()), std::string(folder) + "x.ini");
    EXPECT_STREQ(a.GetFileName(), b.GetFileName());
}

TEST_F(CxIniUtilTest, SetFileNameIgnoresEmptyPaths) {
    ini.SetFileName("");
    ini.SetFileName(nullptr);
    EXPECT_EQ(ini.GetFileName(), dir.File("zembrik.ini"));
    ini.SetFileName("/other.ini");
    EXPECT_STREQ(ini.GetFileName(), "/other.ini");
}

TEST_F(CxIniUtilTest, StringsRoundTripAndMissingKeysGiveTheDefault) {
    EXPECT_TRUE(ini.WriteString("LN-VX", "Server", "mail/Acme"));
    char buffer[64];
    EXPECT_EQ(ini.ReadString("LN-VX", "Server", buffer, sizeof buffer, "def"), 9);
    EXPECT_STREQ(buffer, "mail/Acme");
    EXPECT_EQ(ini.ReadString("LN-VX", "Missing", buffer, sizeof buffer, "def"), 3);
    EXPECT_STREQ(buffer, "def");
    EXPECT_EQ(ini.ReadString("LN-VX", "Missing", buffer, sizeof buffer, nullptr), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(ini.ReadString("LN-VX", "Server", buffer, 5, "def"), 4);
    EXPECT_STREQ(buffer, "mail");
}

TEST_F(CxIniUtilTest, ReadStringRefusesMissingKeyOrBuffer) {
    ini.WriteString("S", "K", "v");
    char buffer[8] = "keep";
    EXPECT_EQ(ini.ReadString("S", "", buffer, sizeof buffer, "d"), 0);
    EXPECT_EQ(ini.ReadString("S", nullptr, buffer, sizeof buffer, "d"), 0);
    EXPECT_EQ(ini.ReadString("S", "K", buffer, 0, "d"), 0);
    EXPECT_EQ(ini.ReadString("S", "K", nullptr, 8, "d"), 0);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_FALSE(ini.WriteString("S", "", "v"));
    EXPECT_FALSE(ini.WriteString("S", nullptr, "v"));
}

TEST_F(CxIniUtilTest, DefaultSectionServesCallsWithoutOne) {
    ini.SetSection("LN-VX");
    EXPECT_TRUE(ini.WriteInt(nullptr, "Level", 2));
    EXPECT_TRUE(ini.WriteBool("", "Enabled", true));
    EXPECT_EQ(ini.GetInt("LN-VX", "Level", 0), 2);
    EXPECT_TRUE(ini.GetBool(nullptr, "Enabled", false));
    EXPECT_NE(ReadFile(ini.GetFileName()).find("[LN-VX]\r\nLevel=2\r\nEnabled=1\r\n"),
              std::string::npos);
}

TEST_F(CxIniUtilTest, ReadIntTakesTheLeadingNumber) {
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"12abc", 12},
        {"abc", 0},
        {"-5", -5},
        {"+7", 7},
        {"-", 0},
        {"  42  ", 42},
        {"0x10", 0},
        {"2147483647", INT_MAX},
        {"99999999999999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"\"8\"", 8},
    };
    for (const Case& c : cases) {
        ini.WriteString("S", "N", c.text);
        int value = -1;
        EXPECT_TRUE(ini.ReadInt("S", "N", &value, 77));
        EXPECT_EQ(value, c.expected) << c.text;
    }
}

TEST_F(CxIniUtilTest, ReadIntOfMissingOrEmptyValueGivesTheDefault) {
    int value = 0;
    EXPECT_TRUE(ini.ReadInt("S", "Missing", &value, 77));
    EXPECT_EQ(value, 77);
    ini.WriteString("S", "Empty", nullptr);
    EXPECT_TRUE(ini.ReadInt("S", "Empty", &value, 78));
    EXPECT_EQ(value, 78);
    EXPECT_FALSE(ini.ReadInt("S", "Missing", nullptr, 1));
    EXPECT_EQ(ini.GetInt("S", "Missing", -3), -3);
}

TEST_F(CxIniUtilTest, ReadIntSeesOnlyThirtyOneCharacters) {
    ini.WriteString("S", "N", (std::string(30, '0') + "12").c_str());
    EXPECT_EQ(ini.GetInt("S", "N", 5), 1);
}

TEST_F(CxIniUtilTest, BooleanValues) {
    EXPECT_TRUE(ini.GetBool("S", "Missing", true));
    EXPECT_FALSE(ini.GetBool("S", "Missing", false));
    ini.WriteString("S", "B", "0");
    EXPECT_FALSE(ini.GetBool("S", "B", true));
    ini.WriteString("S", "B", "5");
    EXPECT_TRUE(ini.GetBool("S", "B", false));
    ini.WriteBool("S", "B", false);
    EXPECT_FALSE(ini.GetBool("S", "B", true));
}

TEST_F(CxIniUtilTest, WriteIntUsesDecimalText) {
    ini.WriteInt("S", "N", -2147483647 - 1);
    char buffer[32];
    ini.ReadString("S", "N", buffer, sizeof buffer, "");
    EXPECT_STREQ(buffer, "-2147483648");
}

TEST_F(CxIniUtilTest, ReadsFilesWrittenElsewhere) {
    WriteFile(ini.GetFileName(), "; settings\n[ln-vx]\nUserName = \"Jane Doe\" \n");
    char buffer[32];
    ini.ReadString("LN-VX", "username", buffer, sizeof buffer, "");
    EXPECT_STREQ(buffer, "Jane Doe");
}
