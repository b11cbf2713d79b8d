#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <unistd.h>

#include "TestSupport.h"
#include "common/misc/WinUtil.h"

using testsupport::IsolatedEnv;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

std::string ProgramFolder() {
    char exe[PATH_MAX] = "";
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string path(exe, n > 0 ? static_cast<std::size_t>(n) : 0);
    return path.substr(0, path.rfind('/') + 1);
}

// The recorder runs detached; give it time to leave its line.
std::string WaitForFile(const std::string& path) {
    for (int i = 0; i < 1000 && !testsupport::FileExists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return ReadFile(path);
}

} // namespace

TEST(WinUtil, ModulePathOfTheProgramEndsInASeparator) {
    char folder[CX_MAX_PATH];
    EXPECT_TRUE(GetModulePath(nullptr, folder));
    EXPECT_EQ(std::string(folder), ProgramFolder());
    EXPECT_EQ(folder[std::strlen(folder) - 1], '/');
    EXPECT_FALSE(GetModulePath(nullptr, nullptr));
}

TEST(WinUtil, ModulePathOfASharedLibraryIsItsFolder) {
    char folder[CX_MAX_PATH];
    EXPECT_TRUE(GetModulePath(reinterpret_cast<const void*>(&getpid), folder));
    std::string text = folder;
    EXPECT_EQ(text.front(), '/');
    EXPECT_EQ(text.back(), '/');
    EXPECT_NE(text, ProgramFolder());
    EXPECT_TRUE(GetModulePath(reinterpret_cast<const void*>(&ProgramFolder), folder));
    EXPECT_EQ(std::string(folder), ProgramFolder());
}

TEST(WinUtil, LotusNotesPathComesFromTheRegistryFile) {
    IsolatedEnv env;
    char path[CX_MAX_PATH] = "junk";
    EXPECT_FALSE(GetLotusNotesPath(path, sizeof path));
    EXPECT_STREQ(path, "");
    WriteFile(env.Registry(),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes]\r\nPath=/opt/notes/\r\n");
    EXPECT_TRUE(GetLotusNotesPath(path, sizeof path));
    EXPECT_STREQ(path, "/opt/notes/");
    WriteFile(env.Registry(),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes]\r\nPath=/opt/notes\r\n");
    EXPECT_TRUE(GetLotusNotesPath(path, sizeof path));
    EXPECT_STREQ(path, "/opt/notes/");
    char small[5];
    EXPECT_TRUE(GetLotusNotesPath(small, sizeof small));
    EXPECT_STREQ(small, "/opt");
    WriteFile(env.Registry(), "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Other]\r\nPath=/x/\r\n");
    EXPECT_FALSE(GetLotusNotesPath(path, sizeof path));
    EXPECT_STREQ(path, "");
}

TEST(WinUtil, OpenWithShellHandsTheNameToTheShell) {
    IsolatedEnv env;
    EXPECT_FALSE(OpenWithShell(nullptr));
    EXPECT_FALSE(OpenWithShell(""));
    EXPECT_TRUE(OpenWithShell("/tmp/VX_LN.html"));
    EXPECT_EQ(WaitForFile(env.ShellLog()), "/tmp/VX_LN.html\n");
}
