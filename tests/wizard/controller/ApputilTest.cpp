// Settings file, data folder and default paths.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "wizard/controller/Apputil.h"

namespace {

using testsupport::ReadFile;
using testsupport::WriteFile;

AppSettings Load(const std::string& ini) {
    AppSettings s;
    LoadSettings(&s, ini.c_str());
    return s;
}

TEST(Apputil, AMissingFileGivesTheDefaults) {
    testsupport::TempDir dir;
    const AppSettings s = Load(dir.File("zembrik.ini"));
    EXPECT_EQ(s.AppFlag, 1);
    EXPECT_FALSE(s.EnableDebug);
    EXPECT_EQ(s.LogLevel, 3);
    EXPECT_EQ(s.RecordPauseMs, 100);
    EXPECT_STREQ(s.NotesPath, "");
    EXPECT_STREQ(s.Password, "");
}

TEST(Apputil, ReadsIntegersAsTheSettingsFileGivesThem) {
    struct Case {
        const char* lines;
        int appFlag;
        bool debug;
        int level;
        int pause = 100;
    } cases[] = {
        {"AppFlag=8\r\n", 1, false, 3},
        {"AppFlag=3\r\n", 1, false, 3},
        {"AppFlag=4\r\nLogLevel=abc\r\n", 4, false, 0},
        {"AppFlag=2\r\nLogLevel=\r\n", 2, false, 3},
        {"EnableDebug=2\r\nLogLevel=1x\r\n", 1, true, 1},
        {"EnableDebug=0\r\nLogLevel=-2\r\n", 1, false, -2},
        {"RecordPauseMs=0\r\n", 1, false, 3, 0},
        {"RecordPauseMs=25\r\n", 1, false, 3, 25},
        {"RecordPauseMs=-1\r\n", 1, false, 3, 100},
        {"RecordPauseMs=10001\r\n", 1, false, 3, 100},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.lines);
        testsupport::TempDir dir;
        WriteFile(dir.File("zembrik.ini"), std::string("[LN-VX]\r\n") + k.lines);
        const AppSettings s = Load(dir.File("zembrik.ini"));
        EXPECT_EQ(s.AppFlag, k.appFlag);
        EXPECT_EQ(s.EnableDebug, k.debug);
        EXPECT_EQ(s.LogLevel, k.level);
        EXPECT_EQ(s.RecordPauseMs, k.pause);
    }
}

TEST(Apputil, CutsLongTextsToTheirFields) {
    testsupport::TempDir dir;
    WriteFile(dir.File("zembrik.ini"), "[LN-VX]\r\nServerName=" + std::string(100, 's') +
                                           "\r\nAddrFile=" + std::string(300, 'a') + "\r\n");
    const AppSettings s = Load(dir.File("zembrik.ini"));
    EXPECT_EQ(std::string(s.ServerName), std::string(63, 's'));
    EXPECT_EQ(std::string(s.AddrFile), std::string(255, 'a'));
}

TEST(Apputil, SavesInOrderWithoutThePassword) {
    testsupport::TempDir dir;
    AppSettings s = Load(dir.File("zembrik.ini"));
    s.AppFlag = 2;
    s.EnableDebug = true;
    s.LogLevel = 1;
    std::strcpy(s.NotesPath, "/opt/notes/notes");
    std::strcpy(s.ServerName, "Hub");
    std::strcpy(s.UserName, "Jane");
    std::strcpy(s.Password, "secret");
    s.PasswordRequired = true;
    std::strcpy(s.AddrFile, "/a.nsf");
    std::strcpy(s.MailDBName, "mail/j.nsf");
    std::strcpy(s.IDFile, "/j.id");
    ASSERT_TRUE(SaveSettings(&s, dir.File("zembrik.ini").c_str()));
    EXPECT_EQ(
        ReadFile(dir.File("zembrik.ini")),
        "[LN-VX]\r\nAppFlag=2\r\nEnableDebug=1\r\nLogLevel=1\r\nNotesPath=/opt/notes/notes\r\n"
        "ServerName=Hub\r\nUserName=Jane\r\nAddrFile=/a.nsf\r\nMailDBName=mail/j.nsf\r\n"
        "IDFile=/j.id\r\n");
    const AppSettings back = Load(dir.File("zembrik.ini"));
    EXPECT_STREQ(back.Password, "");
    EXPECT_FALSE(back.PasswordRequired);
    EXPECT_STREQ(back.MailDBName, "mail/j.nsf");
}

TEST(Apputil, TheDataFolderIsCreatedBelowTheApplicationData) {
    testsupport::IsolatedEnv env;
    char folder[260] = "untouched";
    ASSERT_TRUE(GetDataFolder(folder));
    EXPECT_EQ(std::string(folder), env.AppData() + "/zembrik/LN-VX/");
    testsupport::WriteFile(std::string(folder) + "probe", "x");
    EXPECT_TRUE(testsupport::FileExists(std::string(folder) + "probe"));
    char again[260];
    EXPECT_TRUE(GetDataFolder(again)); // exists already
}

TEST(Apputil, ADataFolderThatCannotBeMadeLeavesTheBufferAlone) {
    for (const char* blocked : {"/zembrik", "/zembrik/LN-VX"}) {
        SCOPED_TRACE(blocked);
        testsupport::IsolatedEnv env;
        mkdir(env.AppData().c_str(), 0700);
        mkdir((env.AppData() + "/zembrik").c_str(), 0700);
        rmdir((env.AppData() + blocked).c_str());
        WriteFile(env.AppData() + blocked, "a file where the folder should be");
        char folder[260] = "untouched";
        EXPECT_FALSE(GetDataFolder(folder));
        EXPECT_STREQ(folder, "untouched");
    }
    char ini[260];
    GetSettingsFile("", ini, sizeof ini);
    const std::string path = ini;
    EXPECT_EQ(path.substr(path.size() - 12), "/zembrik.ini");
}

TEST(Apputil, DefaultPathsFollowTheNotesFolderAndTheLocalData) {
    testsupport::IsolatedEnv env;
    char buffer[260] = "";
    EXPECT_FALSE(GetDefaultNotesExe(buffer, sizeof buffer));
    EXPECT_FALSE(GetDefaultIDFile(buffer, sizeof buffer));
    WriteFile(env.Registry(),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes]\r\nPath=/opt/notes\r\n");
    ASSERT_TRUE(GetDefaultNotesExe(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "/opt/notes/notes");
    ASSERT_TRUE(GetDefaultIDFile(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "/opt/notes/Data/user.id");
    ASSERT_TRUE(GetDefaultAddrFile(buffer, sizeof buffer));
    EXPECT_EQ(std::string(buffer), env.LocalAppData() + "/Lotus/Notes/Data/names.nsf");
    char small[8];
    ASSERT_TRUE(GetDefaultIDFile(small, sizeof small));
    EXPECT_STREQ(small, "/opt/no");
}

TEST(Apputil, TheHomePageCarriesTheAppReference) {
    testsupport::IsolatedEnv env;
    EXPECT_TRUE(OpenHomePage());
    const std::string address = kHomePageAddress;
    EXPECT_EQ(address.substr(address.size() - 8), "?ref=app");
    // The shell stand-in runs detached; the recorder writes what it was given.
    for (int i = 0; i < 500 && ReadFile(env.ShellLog()).find("ref=app") == std::string::npos; ++i)
        usleep(10000);
    EXPECT_NE(ReadFile(env.ShellLog()).find(address), std::string::npos);
}

} // namespace
