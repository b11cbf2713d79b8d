// Registry file, special folders, module path, thread id, error text, shell open.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <map>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "TestSupport.h"
#include "platform/CxAutoResetEvent.h"
#include "platform/ModulePath.h"
#include "platform/Registry.h"
#include "platform/ShellOpen.h"
#include "platform/SpecialFolders.h"
#include "platform/SystemError.h"
#include "platform/ThreadId.h"

using namespace platform;
using testsupport::IsolatedEnv;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

// Sets or clears variables for one test and puts them back afterwards.
class EnvOverride {
public:
    void Set(const char* name, const char* value) {
        if (m_saved.find(name) == m_saved.end()) {
            const char* old = std::getenv(name);
            m_saved[name] =
                old ? std::make_pair(true, std::string(old)) : std::make_pair(false, std::string());
        }
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvOverride() {
        for (auto& [name, old] : m_saved) {
            if (old.first)
                setenv(name.c_str(), old.second.c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::pair<bool, std::string>> m_saved;
};

} // namespace

TEST(Registry, FileFollowsTheOverridesInOrder) {
    EnvOverride env;
    env.Set("ZEMBRIK_REGISTRY", "/r/registry.ini");
    env.Set("XDG_CONFIG_HOME", "/x");
    env.Set("HOME", "/h");
    EXPECT_EQ(RegistryFilePath(), "/r/registry.ini");
    env.Set("ZEMBRIK_REGISTRY", "");
    EXPECT_EQ(RegistryFilePath(), "/x/zembrik/registry.ini");
    env.Set("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(RegistryFilePath(), "/h/.config/zembrik/registry.ini");
}

TEST(Registry, ValuesLiveInSectionsNamedByTheirKeyPath) {
    IsolatedEnv isolated;
    char buffer[32] = "junk";
    EXPECT_FALSE(ReadLocalMachineString("SOFTWARE\\Lotus\\Notes", "Path", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    WriteFile(isolated.Registry(),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes]\nPath=/opt/notes/\nEmpty=\n");
    EXPECT_TRUE(ReadLocalMachineString("SOFTWARE\\Lotus\\Notes", "Path", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "/opt/notes/");
    EXPECT_TRUE(ReadLocalMachineString("software\\lotus\\notes", "path", buffer, 5));
    EXPECT_STREQ(buffer, "/opt");
    EXPECT_TRUE(ReadLocalMachineString("SOFTWARE\\Lotus\\Notes", "Empty", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(ReadLocalMachineString("SOFTWARE\\Lotus\\Notes", "Other", buffer, sizeof buffer));
    EXPECT_FALSE(ReadLocalMachineString("SOFTWARE\\Lotus", "Path", buffer, sizeof buffer));
    EXPECT_FALSE(ReadLocalMachineString(nullptr, "Path", buffer, sizeof buffer));
    EXPECT_FALSE(ReadLocalMachineString("SOFTWARE\\Lotus\\Notes", "Path", nullptr, 4));
}

TEST(SpecialFolders, OverridesThenXdgThenHome) {
    TempDir dir;
    EnvOverride env;
    env.Set("ZEMBRIK_APPDATA", (dir.File("common") + "/").c_str());
    env.Set("ZEMBRIK_LOCAL_APPDATA", dir.File("local").c_str());
    env.Set("XDG_DATA_HOME", dir.File("xdg").c_str());
    env.Set("HOME", dir.File("home").c_str());
    std::string folder;
    EXPECT_TRUE(GetCommonAppDataFolder(&folder));
    EXPECT_EQ(folder, dir.File("common"));
    EXPECT_TRUE(testsupport::FileExists(folder)); // created
    EXPECT_TRUE(GetLocalAppDataFolder(&folder));
    EXPECT_EQ(folder, dir.File("local"));
    EXPECT_FALSE(testsupport::FileExists(folder)); // not created
    env.Set("ZEMBRIK_APPDATA", nullptr);
    env.Set("ZEMBRIK_LOCAL_APPDATA", "");
    EXPECT_TRUE(GetCommonAppDataFolder(&folder));
    EXPECT_EQ(folder, dir.File("xdg"));
    EXPECT_TRUE(GetLocalAppDataFolder(&folder));
    EXPECT_EQ(folder, dir.File("xdg"));
    env.Set("XDG_DATA_HOME", nullptr);
    EXPECT_TRUE(GetCommonAppDataFolder(&folder));
    EXPECT_EQ(folder, dir.File("home") + "/.local/share");
    struct stat st;
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0077, 0u); // private to the user
    EXPECT_FALSE(GetCommonAppDataFolder(nullptr));
}

TEST(SpecialFolders, CommonFolderThatCannotBeCreatedFails) {
    TempDir dir;
    WriteFile(dir.File("file"), "");
    EnvOverride env;
    env.Set("ZEMBRIK_APPDATA", dir.File("file/below").c_str());
    std::string folder = "keep";
    EXPECT_FALSE(GetCommonAppDataFolder(&folder));
    EXPECT_EQ(folder, "keep");
}

TEST(ModulePath, ProgramAndLibraryFiles) {
    char exe[PATH_MAX] = "";
    ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
    char name[PATH_MAX];
    EXPECT_TRUE(GetProgramFileName(name, sizeof name));
    EXPECT_STREQ(name, exe);
    EXPECT_TRUE(
        GetModuleFileName(reinterpret_cast<const void*>(&RegistryFilePath), name, sizeof name));
    EXPECT_STREQ(name, exe);
    EXPECT_TRUE(GetModuleFileName(reinterpret_cast<const void*>(&getpid), name, sizeof name));
    EXPECT_NE(std::string(name).find("libc"), std::string::npos) << name;
    EXPECT_FALSE(GetProgramFileName(name, 3)); // does not fit
    EXPECT_FALSE(GetModuleFileName(nullptr, name, sizeof name));
    EXPECT_FALSE(GetProgramFileName(nullptr, 10));
}

TEST(ThreadId, KernelIdsDifferPerThread) {
    unsigned long mine = CurrentThreadId();
    EXPECT_EQ(mine, static_cast<unsigned long>(getpid())); // gtest runs on the main thread
    unsigned long other = 0;
    std::thread([&] { other = CurrentThreadId(); }).join();
    EXPECT_NE(other, 0u);
    EXPECT_NE(other, mine);
}

TEST(SystemError, TextOfErrno) {
    EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
    EXPECT_FALSE(SystemErrorText(123456).empty());
}

TEST(CxAutoResetEvent, ReleasesOneWaitAndResets) {
    CxAutoResetEvent event;
    EXPECT_FALSE(event.Wait(0));
    event.Set();
    event.Set(); // no count: two sets are one signal
    EXPECT_TRUE(event.Wait(0));
    EXPECT_FALSE(event.Wait(10));
    std::thread setter([&] { event.Set(); });
    EXPECT_TRUE(event.Wait(-1));
    setter.join();
}

TEST(ShellOpen, StartsTheConfiguredOpenerDetached) {
    IsolatedEnv env;
    ShellOpen("https://example.org/a b");
    ShellOpen(nullptr);
    std::string log;
    for (int i = 0; i < 1000 && log.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        log = ReadFile(env.ShellLog());
    }
    EXPECT_EQ(log, "https://example.org/a b\n");
}
