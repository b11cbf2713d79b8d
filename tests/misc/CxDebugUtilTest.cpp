#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "common/misc/CxDebugUtil.h"
#include "platform/ThreadId.h"

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

struct CxDebugUtilTest : ::testing::Test {
    void SetUp() override {
        log.SetPath(dir.Folder().c_str());
        log.Enable(true);
        log.SetLevel(3);
    }
    std::string Log() const { return ReadFile(dir.File("appdebug.log")); }

    TempDir dir;
    CxDebugUtil log;
};

// Runs the test body inside a folder of its own and returns to where it was.
struct InFolder {
    explicit InFolder(const std::string& folder) {
        if (!getcwd(saved, sizeof saved))
            saved[0] = '\0';
        EXPECT_EQ(chdir(folder.c_str()), 0);
    }
    ~InFolder() { EXPECT_EQ(chdir(saved), 0); }
    char saved[PATH_MAX];
};

} // namespace

TEST(CxDebugUtil, StartValuesWriteOnlyErrorsToTheCurrentFolder) {
    TempDir dir;
    InFolder here(dir.Path());
    CxDebugUtil log;
    EXPECT_STREQ(log.GetFileName(), "appdebug.log");
    EXPECT_STREQ(log.GetPath(), "./");
    EXPECT_EQ(log.GetLevel(), 0);
    EXPECT_FALSE(log.IsEnabled());
    log.Write(2, __FILE__, __LINE__, "progress");
    EXPECT_FALSE(FileExists(dir.File("appdebug.log")));
    log.Write(0, __FILE__, __LINE__, "failure");
    std::string text = ReadFile(dir.File("appdebug.log"));
    EXPECT_NE(text.find("][!!!] - failure\r\n"), std::string::npos) << text;
}

TEST_F(CxDebugUtilTest, LevelDecidesWhatIsWritten) {
    struct Case {
        bool enabled;
        int setLevel;
        int writeLevel;
        bool written;
    } cases[] = {
        {false, 3, 2, false}, {true, 1, 2, false}, {true, 1, 1, true}, {true, 1, 0, true},
        {true, 3, 2, true},   {false, 0, 0, true}, {true, 3, 3, true}, {true, 0, 1, false},
    };
    for (const Case& c : cases) {
        std::remove(dir.File("appdebug.log").c_str());
        log.Enable(c.enabled);
        log.SetLevel(c.setLevel);
        log.Write(c.writeLevel, "unit", 1, "text");
        EXPECT_EQ(FileExists(dir.File("appdebug.log")), c.written)
            << c.enabled << " " << c.setLevel << " " << c.writeLevel;
    }
}

TEST_F(CxDebugUtilTest, MarkerTellsErrorsFromInformation) {
    log.Write(2, "unit", 1, "info");
    log.Write(0, "unit", 2, "error");
    std::string text = Log();
    EXPECT_NE(text.find("][   ] - info\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("][!!!] - error\r\n"), std::string::npos) << text;
}

TEST(CxDebugUtil, SetLevelClamps) {
    CxDebugUtil log;
    log.SetLevel(7);
    EXPECT_EQ(log.GetLevel(), 3);
    log.SetLevel(-1);
    EXPECT_EQ(log.GetLevel(), 0);
    log.SetLevel(2);
    EXPECT_EQ(log.GetLevel(), 2);
}

TEST_F(CxDebugUtilTest, LineHasTheFixedLayout) {
    log.Write(2, "..\\..\\common\\lotus\\CxLNAddr", 498, "Set current directory: %s%d", "C:/", 7);
    char thread[32];
    std::snprintf(thread, sizeof thread, "%05lx", platform::CurrentThreadId());
    std::regex layout(R"(\[\d{4}/\d\d/\d\d \d\d:\d\d:\d\d\]\[CxLNAddr            \(498 \)\]\[)" +
                      std::string(thread) + R"(\]\[   \] - Set current directory: C:/7\r\n)");
    EXPECT_TRUE(std::regex_match(Log(), layout)) << Log();
}

TEST_F(CxDebugUtilTest, SourceFieldDropsFoldersOfEitherKind) {
    struct Case {
        const char* source;
        const char* field;
    } cases[] = {
        {"/src/common/misc/CxList.cpp", "[CxList.cpp          (1   )]"},
        {"a\\b/c\\Mixed.cpp", "[Mixed.cpp           (1   )]"},
        {"Plain", "[Plain               (1   )]"},
        {"folder/", "[                    (1   )]"},
        {nullptr, "[<null>              (1   )]"},
        {"x/ThisNameIsLongerThanTwenty.cpp", "[ThisNameIsLongerThanTwenty.cpp(1   )]"},
    };
    for (const Case& c : cases) {
        std::remove(dir.File("appdebug.log").c_str());
        log.Write(0, c.source, 1, "m");
        EXPECT_NE(Log().find(c.field), std::string::npos) << Log();
    }
}

TEST_F(CxDebugUtilTest, LongLineNumberAndSourceAreCutOrWidened) {
    std::string longName(300, 'n');
    log.Write(0, longName.c_str(), 123456, "m");
    EXPECT_NE(Log().find("[" + std::string(255, 'n') + "(123456)]"), std::string::npos);
}

TEST_F(CxDebugUtilTest, LongMessageIsCut) {
    std::string message(50000, 'm');
    log.Write(0, "unit", 1, "%s", message.c_str());
    std::string text = Log();
    EXPECT_NE(text.find("] - " + std::string(40959, 'm') + "\r\n"), std::string::npos);
    EXPECT_EQ(text.find(std::string(40960, 'm')), std::string::npos);
}

TEST_F(CxDebugUtilTest, LogOfExactlyTenMebibytesIsAppendedTo) {
    WriteFile(dir.File("appdebug.log"), std::string(10485760, 'x'));
    log.Write(0, "unit", 1, "next");
    EXPECT_FALSE(FileExists(dir.File("appdebug.log.old.log")));
    std::string text = Log();
    EXPECT_GT(text.size(), 10485760u);
    EXPECT_EQ(text.compare(0, 10485760, std::string(10485760, 'x')), 0);
}

TEST_F(CxDebugUtilTest, LogBeyondTenMebibytesIsRotated) {
    const std::string old(10485761, 'x');
    WriteFile(dir.File("appdebug.log"), old);
    WriteFile(dir.File("appdebug.log.old.log"), "earlier copy");
    log.Write(0, "unit", 1, "next");
    EXPECT_EQ(ReadFile(dir.File("appdebug.log.old.log")), old);
    std::string text = Log();
    EXPECT_EQ(text.front(), '[');
    EXPECT_NE(text.find("] - next\r\n"), std::string::npos);
    EXPECT_EQ(text.find("xx"), std::string::npos);
    EXPECT_EQ(text.find("\r\n"), text.size() - 2); // one line only
}

TEST_F(CxDebugUtilTest, FileNameAndPathCanBeChanged) {
    log.SetFileName("other.log");
    log.Write(0, "unit", 1, "m");
    EXPECT_TRUE(FileExists(dir.File("other.log")));
    log.SetPath(nullptr); // no change
    EXPECT_EQ(log.GetPath(), dir.Folder());
}

TEST(CxDebugUtil, EmptyFolderAndEmptyNameWriteNothing) {
    TempDir dir;
    InFolder here(dir.Path());
    CxDebugUtil log;
    log.SetPath("");
    log.SetFileName("");
    log.Write(0, "unit", 1, "m");
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

// Runs `body` in a child process whose error stream goes to `errFile`; its exit status.
template <class Body> int InChild(const std::string& errFile, Body body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen(errFile.c_str(), "w", stderr))
            _exit(3);
        body();
        std::fflush(stderr);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CxDebugUtil, ALogThatCannotBeOpenedIsToldOnceAndTheRunGoesOn) {
    TempDir dir;
    ASSERT_EQ(InChild(dir.File("err.txt"),
                      [] {
                          CxDebugUtil log;
                          log.SetPath("/nonexistent-folder/deeper/");
                          log.Write(0, "unit", 1, "m");
                          log.Write(0, "unit", 2, "m");
                      }),
              0);
    EXPECT_EQ(ReadFile(dir.File("err.txt")),
              "Can not write the log /nonexistent-folder/deeper/appdebug.log: No such file or "
              "directory\n");
}

TEST(CxDebugUtil, ALinkAtTheLogsNameIsNeverWrittenThrough) {
    TempDir dir;
    WriteFile(dir.File("elsewhere.txt"), "precious\n");
    ASSERT_EQ(symlink(dir.File("elsewhere.txt").c_str(), dir.File("appdebug.log").c_str()), 0);
    const std::string folder = dir.Folder();
    ASSERT_EQ(InChild(dir.File("err.txt"),
                      [&folder] {
                          CxDebugUtil log;
                          log.SetPath(folder.c_str());
                          log.Write(0, "unit", 1, "first");
                          log.Write(0, "unit", 2, "second");
                      }),
              0);
    EXPECT_EQ(ReadFile(dir.File("elsewhere.txt")), "precious\n");
    EXPECT_EQ(ReadFile(dir.File("err.txt")),
              "Can not write the log " + folder +
                  "appdebug.log: Too many levels of symbolic links (a symbolic link is never "
                  "written through)\n");
}

TEST(CxDebugUtil, OneWriterPerProcess) {
    EXPECT_EQ(GetDebugUtil(), GetDebugUtil());
}

TEST_F(CxDebugUtilTest, LinesOfTwoProcessesInterleaveWhole) {
    const int kLines = 200;
    const std::string body(6000, 'a');
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        if (children[c] == 0) {
            for (int i = 0; i < kLines; ++i)
                log.Write(0, "unit", c, "%c%s", 'A' + c, body.c_str());
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0);
    }
    std::string text = Log();
    std::regex head(R"(\[[^\]]*\]\[unit {16}\(([01])   \)\]\[[0-9a-f]{5,}\]\[!!!\] - )");
    int count = 0;
    for (std::size_t start = 0; start < text.size(); ++count) {
        std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        std::string one = text.substr(start, end - start);
        std::size_t dash = one.find(" - ");
        ASSERT_NE(dash, std::string::npos) << one.substr(0, 120);
        std::smatch m;
        std::string prefix = one.substr(0, dash + 3);
        ASSERT_TRUE(std::regex_match(prefix, m, head)) << prefix;
        EXPECT_EQ(one.substr(dash + 3), std::string(1, m[1] == "0" ? 'A' : 'B') + body);
        start = end + 2;
    }
    EXPECT_EQ(count, 2 * kLines);
}

// A name read from outside reaches the log escaped, so it can neither forge a
// line nor send escape sequences to a terminal; the format's own text and
// the other conversions stay as printf writes them.
TEST_F(CxDebugUtilTest, TextArgumentsAreEscapedTheFormatIsNot) {
    struct Case {
        std::string written;
        std::string expected;
    } cases[] = {
        {"folder\"\r\n[2024/01/01 00:00:00][forged]",
         "folder\\\"\\r\\n[2024/01/01 00:00:00][forged]"},
        {"red\x1b[31m bell\a tab\t del\x7f", "red\\x1b[31m bell\\x07 tab\\t del\\x7f"},
        {"back\\slash", "back\\\\slash"},
        {"J\xf6rg", "J\xf6rg"},
    };
    for (const Case& c : cases) {
        std::remove(dir.File("appdebug.log").c_str());
        log.Write(0, "unit", 1, "Set current directory: \"%s\"", c.written.c_str());
        EXPECT_NE(Log().find("] - Set current directory: \"" + c.expected + "\"\r\n"),
                  std::string::npos)
            << Log();
        EXPECT_EQ(Log().find("\r\n"), Log().size() - 2) << "one line only";
    }
    std::remove(dir.File("appdebug.log").c_str());
    const char cut[] = {'a', '"', 'b', 'c'}; // not terminated: the precision bounds it
    log.Write(0, "unit", 1, "%d|%5s|%-5s|%.2s|%.*s|%c|%x|%lu|%5.1f|%%|%p", -7, "ab", "ab", "a\nbc",
              2, cut, '\n', 255u, 42ul, 2.25, static_cast<void*>(nullptr));
    char pointer[32];
    std::snprintf(pointer, sizeof pointer, "%p", static_cast<void*>(nullptr));
    EXPECT_NE(Log().find("] - -7|   ab|ab   |a\\n|a\\\"|\\n|ff|42|  2.2|%|" +
                         std::string(pointer) + "\r\n"),
              std::string::npos)
        << Log();
}

TEST_F(CxDebugUtilTest, TheLogIsItsOwnersAlone) {
    const mode_t mask = umask(0);
    log.Write(0, "unit", 1, "m");
    umask(mask);
    struct stat st;
    ASSERT_EQ(stat(dir.File("appdebug.log").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // One an older run left readable to others too.
    ASSERT_EQ(chmod(dir.File("appdebug.log").c_str(), 0644), 0);
    log.Write(0, "unit", 1, "m");
    ASSERT_EQ(stat(dir.File("appdebug.log").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}
