#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "TestSupport.h"
#include "platform/ProfileFile.h"

using platform::GetProfileString;
using platform::ReadProfileValue;
using platform::WriteProfileString;
using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

struct ProfileFileTest : ::testing::Test {
    std::string Get(const char* section, const char* key, const char* def = "<default>") {
        char buffer[256];
        GetProfileString(path.c_str(), section, key, def, buffer, sizeof buffer);
        return buffer;
    }
    TempDir dir;
    std::string path = dir.File("test.ini");
};

} // namespace

TEST_F(ProfileFileTest, ValuesLoseBlanksAndOnePairOfQuotes) {
    struct Case {
        const char* line;
        const char* value;
    } cases[] = {
        {"k = v ", "v"},          {"k=\t v w \t", "v w"},
        {"k=\"  v  \"", "  v  "}, {"k='x'", "x"},
        {"k=\"x", "\"x"},         {"k=\"\"", ""},
        {"k=\"a\"b\"", "a\"b"},   {"k=", ""},
        {"k=\"\"q\"\"", "\"q\""}, {"k='x\"", "'x\""},
        {"  k  =a=b", "a=b"},     {"k=;not a comment", ";not a comment"},
    };
    for (const Case& c : cases) {
        WriteFile(path, std::string("[s]\r\n") + c.line + "\r\n");
        EXPECT_EQ(Get("s", "k"), c.value) << c.line;
    }
}

TEST_F(ProfileFileTest, NamesCompareWithoutCaseAndBothLineEndsAreRead) {
    WriteFile(path, "; comment\n[Settings]\nUserName=jane\r\n [ Other ] \r\nUserName=joe\n");
    EXPECT_EQ(Get("settings", "USERNAME"), "jane");
    EXPECT_EQ(Get("OTHER", "username"), "joe");
    EXPECT_EQ(Get("Settings", "Missing"), "<default>");
    EXPECT_EQ(Get("Missing", "UserName"), "<default>");
    EXPECT_EQ(Get("Settings", "Missing", nullptr), "");
}

TEST_F(ProfileFileTest, FirstOfDuplicateKeysAndSectionsWins) {
    WriteFile(path, "[s]\nk=1\nk=2\n[s]\nk=3\nj=4\n");
    EXPECT_EQ(Get("s", "k"), "1");
    EXPECT_EQ(Get("s", "j"), "<default>");
}

TEST_F(ProfileFileTest, MissingFileGivesTheDefault) {
    EXPECT_EQ(Get("s", "k", "d"), "d");
    std::string value = "keep";
    EXPECT_FALSE(ReadProfileValue(path.c_str(), "s", "k", &value));
    EXPECT_EQ(value, "keep");
}

TEST_F(ProfileFileTest, ReadIsCutToTheBuffer) {
    WriteFile(path, "[s]\nk=abcdef\n");
    char buffer[4];
    EXPECT_EQ(GetProfileString(path.c_str(), "s", "k", "", buffer, sizeof buffer), 3u);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(GetProfileString(path.c_str(), "s", "missing", "defgh", buffer, sizeof buffer), 3u);
    EXPECT_STREQ(buffer, "def");
    EXPECT_EQ(GetProfileString(path.c_str(), "s", "k", "", buffer, 0), 0u);
    EXPECT_EQ(GetProfileString(path.c_str(), "s", "k", "", nullptr, 4), 0u);
}

// Bytes this process has read through read() so far.
long long BytesRead() {
    const std::string io = ReadFile("/proc/self/io");
    const std::size_t at = io.find("rchar: ");
    return at == std::string::npos ? -1 : std::atoll(io.c_str() + at + 7);
}

TEST_F(ProfileFileTest, AHugeValueIsReadUpToTheBufferAndNoFurther) {
    const std::size_t huge = 64u << 20;
    WriteFile(path, "[Error]\r\nError.Count=1\r\nError.1=\"" + std::string(huge, 'x'));
    char buffer[1024];
    const long long before = BytesRead();
    EXPECT_EQ(GetProfileString(path.c_str(), "Error", "Error.Count", "", buffer, sizeof buffer),
              1u);
    EXPECT_EQ(GetProfileString(path.c_str(), "Error", "Error.1", "", buffer, sizeof buffer), 1023u);
    EXPECT_EQ(std::string(buffer), std::string(1023, 'x'));
    EXPECT_LT(BytesRead() - before, 1 << 20);
}

TEST_F(ProfileFileTest, LongLinesOnTheWayAreSkipped) {
    WriteFile(path, std::string(100000, ';') + "\n[s]\njunk=" + std::string(100000, 'j') +
                        "\r\nk = \"value\" \r\n[t]\nk=other\n");
    EXPECT_EQ(Get("s", "k"), "value");
    EXPECT_EQ(Get("t", "k"), "other");
    std::string whole;
    ASSERT_TRUE(ReadProfileValue(path.c_str(), "s", "junk", &whole));
    EXPECT_EQ(whole, std::string(100000, 'j'));
}

TEST_F(ProfileFileTest, WriteCreatesFileSectionAndKeyWithCrLf) {
    EXPECT_TRUE(WriteProfileString(path.c_str(), "LN-VX", "Server", "mail"));
    EXPECT_EQ(ReadFile(path), "[LN-VX]\r\nServer=mail\r\n");
    EXPECT_TRUE(WriteProfileString(path.c_str(), "LN-VX", "Empty", nullptr));
    EXPECT_TRUE(WriteProfileString(path.c_str(), "Other", "A", "1"));
    EXPECT_EQ(ReadFile(path), "[LN-VX]\r\nServer=mail\r\nEmpty=\r\n[Other]\r\nA=1\r\n");
    EXPECT_TRUE(FileExists(path + ".lock"));
}

TEST_F(ProfileFileTest, WriteReplacesInPlaceAndKeepsEveryOtherLine) {
    WriteFile(path, "; top comment\n[one]\nA=1\n  b = \"2\"\ngarbage line\n\n[two]\nC=3\n");
    EXPECT_TRUE(WriteProfileString(path.c_str(), "ONE", "B", "new"));
    EXPECT_EQ(ReadFile(path),
              "; top comment\r\n[one]\r\nA=1\r\nB=new\r\ngarbage line\r\n\r\n[two]\r\nC=3\r\n");
}

TEST_F(ProfileFileTest, NewKeyGoesAfterTheLastLineOfItsSection) {
    WriteFile(path, "[one]\r\nA=1\r\n\r\n[two]\r\nC=3");
    EXPECT_TRUE(WriteProfileString(path.c_str(), "one", "D", "4"));
    EXPECT_TRUE(WriteProfileString(path.c_str(), "two", "E", "5"));
    EXPECT_EQ(ReadFile(path), "[one]\r\nA=1\r\nD=4\r\n\r\n[two]\r\nC=3\r\nE=5\r\n");
    EXPECT_EQ(Get("one", "D"), "4");
}

TEST_F(ProfileFileTest, ValuesWithSurroundingBlanksReadBackTrimmed) {
    EXPECT_TRUE(WriteProfileString(path.c_str(), "s", "k", "  padded  "));
    EXPECT_EQ(Get("s", "k"), "padded");
    EXPECT_TRUE(WriteProfileString(path.c_str(), "s", "k", "\"  quoted  \""));
    EXPECT_EQ(Get("s", "k"), "  quoted  ");
}

TEST_F(ProfileFileTest, WritesThatCouldNotBeReadBackAreRefused) {
    EXPECT_FALSE(WriteProfileString(path.c_str(), "s", "k", "two\r\nlines"));
    EXPECT_FALSE(WriteProfileString(path.c_str(), "s", "k", "line\n"));
    EXPECT_FALSE(WriteProfileString(path.c_str(), "s", "a=b", "v"));
    EXPECT_FALSE(WriteProfileString(path.c_str(), "s", "[x", "v"));
    EXPECT_FALSE(WriteProfileString(path.c_str(), "s", "  ", "v"));
    EXPECT_FALSE(WriteProfileString(path.c_str(), "s]", "k", "v"));
    EXPECT_FALSE(WriteProfileString(path.c_str(), "s\n", "k", "v"));
    EXPECT_FALSE(WriteProfileString(path.c_str(), nullptr, "k", "v"));
    EXPECT_FALSE(WriteProfileString(path.c_str(), "", "k", "v"));
    EXPECT_FALSE(WriteProfileString(path.c_str(), "s", nullptr, "v"));
    EXPECT_FALSE(WriteProfileString("", "s", "k", "v"));
    EXPECT_FALSE(WriteProfileString(nullptr, "s", "k", "v"));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(WriteProfileString(dir.File("missing/test.ini").c_str(), "s", "k", "v"));
}

TEST_F(ProfileFileTest, ReplacementKeepsTheFileMode) {
    WriteFile(path, "[s]\nk=1\n");
    chmod(path.c_str(), 0640);
    EXPECT_TRUE(WriteProfileString(path.c_str(), "s", "k", "2"));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(ProfileFileTest, KilledWriterLeavesTheOldOrTheNewFile) {
    std::string base;
    for (int i = 0; i < 200; ++i)
        base += "Key" + std::to_string(i) + "=" + std::string(40, 'a' + i % 26) + "\r\n";
    const std::string oldValue(3000, 'o'), newValue(3000, 'n');
    const std::string oldText = "[s]\r\n" + base + "k=" + oldValue + "\r\n";
    const std::string newText = "[s]\r\n" + base + "k=" + newValue + "\r\n";
    for (int round = 0; round < 20; ++round) {
        WriteFile(path, oldText);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            for (long i = 0;; ++i) {
                WriteProfileString(path.c_str(), "s", "k", (i % 2 ? oldValue : newValue).c_str());
                if (i == 3 && write(ready[1], "x", 1) != 1)
                    _exit(1);
            }
        }
        close(ready[1]);
        char c;
        ASSERT_EQ(read(ready[0], &c, 1), 1);
        close(ready[0]);
        usleep(static_cast<useconds_t>(round * 500));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        std::string text = ReadFile(path);
        EXPECT_TRUE(text == oldText || text == newText)
            << "round " << round << ", " << text.size() << " bytes";
        std::string value;
        EXPECT_TRUE(ReadProfileValue(path.c_str(), "s", "Key199", &value));
        // The lock died with the writer: the next write goes through and
        // clears what the dead writer left.
        EXPECT_TRUE(WriteProfileString(path.c_str(), "s", "after", "1"));
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            EXPECT_EQ(entry.path().filename().string().find(".tmp."), std::string::npos);
    }
}

TEST_F(ProfileFileTest, WritersInTwoProcessesLoseNoKeys) {
    const int kKeys = 150;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            bool ok = true;
            for (int i = 0; i < kKeys; ++i) {
                std::string key = std::string(1, 'A' + c) + std::to_string(i);
                ok =
                    WriteProfileString(path.c_str(), "s", key.c_str(), std::to_string(i).c_str()) &&
                    ok;
            }
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0);
    }
    for (int c = 0; c < 2; ++c) {
        for (int i = 0; i < kKeys; ++i) {
            std::string key = std::string(1, 'A' + c) + std::to_string(i);
            EXPECT_EQ(Get("s", key.c_str()), std::to_string(i)) << key;
        }
    }
}

TEST_F(ProfileFileTest, WritersInTwoThreadsLoseNoKeys) {
    const int kKeys = 100;
    auto writer = [&](char prefix) {
        for (int i = 0; i < kKeys; ++i)
            WriteProfileString(path.c_str(), "s", (prefix + std::to_string(i)).c_str(), "v");
    };
    std::thread first(writer, 'A'), second(writer, 'B');
    first.join();
    second.join();
    for (char prefix : {'A', 'B'})
        for (int i = 0; i < kKeys; ++i)
            EXPECT_EQ(Get("s", (prefix + std::to_string(i)).c_str()), "v") << prefix << i;
}

// The files are those of the data folder: a symbolic link planted at a file's
// name, or at its lock's, leads nowhere, dangling or not.
TEST_F(ProfileFileTest, ALinkAtTheFileOrItsLockIsLeftAlone) {
    WriteFile(dir.File("precious.ini"), "[s]\r\nk=secret\r\n");
    struct Case {
        const char* link;
        const char* target;
    } cases[] = {
        {"test.ini", "precious.ini"},
        {"test.ini", "nowhere.ini"},
        {"test.ini.lock", "nowhere.lock"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        std::remove(path.c_str());
        std::remove((path + ".lock").c_str());
        ASSERT_EQ(symlink(dir.File(c.target).c_str(), dir.File(c.link).c_str()), 0);
        EXPECT_FALSE(WriteProfileString(path.c_str(), "s", "k", "planted"));
        EXPECT_EQ(Get("s", "k"), "<default>");
        std::remove(dir.File(c.link).c_str());
    }
    EXPECT_EQ(ReadFile(dir.File("precious.ini")), "[s]\r\nk=secret\r\n");
    EXPECT_FALSE(FileExists(dir.File("nowhere.ini")));
    EXPECT_FALSE(FileExists(dir.File("nowhere.lock")));
    // The user's own configuration may well be a link.
    ASSERT_EQ(symlink(dir.File("precious.ini").c_str(), path.c_str()), 0);
    std::string value;
    EXPECT_TRUE(ReadProfileValue(path.c_str(), "s", "k", &value));
    EXPECT_EQ(value, "secret");
}

TEST_F(ProfileFileTest, ANewFileAndItsLockAreTheOwnersAlone) {
    const mode_t mask = umask(0);
    EXPECT_TRUE(WriteProfileString(path.c_str(), "s", "k", "v"));
    umask(mask);
    for (const std::string& file : {path, path + ".lock"}) {
        struct stat st;
        ASSERT_EQ(stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << file;
    }
}
