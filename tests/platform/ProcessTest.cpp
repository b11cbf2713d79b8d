#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "TestSupport.h"
#include "platform/CxAutoResetEvent.h"
#include "platform/Interrupt.h"
#include "platform/Process.h"

using platform::CxAutoResetEvent;
using platform::CxChildProcess;
using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

const std::string kChild = ZEMBRIK_TEST_CHILD;

std::string CurrentFolder() {
    char cwd[PATH_MAX] = "";
    return getcwd(cwd, sizeof cwd) ? cwd : "";
}

} // namespace

TEST(CxChildProcess, ProgramThatEndsAtOnce) {
    CxChildProcess child;
    int error = -1;
    ASSERT_TRUE(child.Start({kChild, "exit", "3"}, "", &error));
    EXPECT_EQ(error, 0);
    EXPECT_TRUE(child.IsStarted());
    EXPECT_EQ(child.Wait(60000, nullptr), CxChildProcess::WaitResult::Exited);
    EXPECT_EQ(child.ExitCode(), 3);
    EXPECT_EQ(child.Wait(0, nullptr), CxChildProcess::WaitResult::Exited); // stays ended
    child.Close();
    EXPECT_FALSE(child.IsStarted());
    EXPECT_EQ(child.Wait(0, nullptr), CxChildProcess::WaitResult::Failed);
}

TEST(CxChildProcess, RunsInItsOwnFolderWithItsArguments) {
    TempDir dir;
    const std::string before = CurrentFolder();
    CxChildProcess child;
    int error = 0;
    ASSERT_TRUE(child.Start({kChild, "record", dir.File("out.txt"), "two words", "plain"},
                            dir.Path(), &error));
    ASSERT_EQ(child.Wait(60000, nullptr), CxChildProcess::WaitResult::Exited);
    EXPECT_EQ(child.ExitCode(), 0);
    EXPECT_EQ(ReadFile(dir.File("out.txt")), dir.Path() + "\nstdin:0\n[two words]\n[plain]\n");
    EXPECT_EQ(CurrentFolder(), before);
}

// A program is started by its absolute path alone: a name is looked for
// neither in the caller's folder nor on PATH, where anyone's program could be.
TEST(CxChildProcess, OnlyAnAbsolutePathIsStarted) {
    TempDir dir;
    const std::string before = CurrentFolder();
    const std::string folder = kChild.substr(0, kChild.rfind('/'));
    const std::string name = kChild.substr(kChild.rfind('/') + 1);
    testsupport::WriteFile(dir.File("true"), "#!/bin/sh\ntouch " + dir.File("ran") + "\n");
    chmod(dir.File("true").c_str(), 0700);
    const char* path = std::getenv("PATH");
    const std::string oldPath = path ? path : "";
    setenv("PATH", (dir.Path() + ":" + oldPath).c_str(), 1);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    for (const std::string& program : {"./" + name, name, std::string("true")}) {
        CxChildProcess child;
        int error = 0;
        EXPECT_FALSE(child.Start({program, "exit", "4"}, dir.Path(), &error)) << program;
        EXPECT_EQ(error, EINVAL) << program;
    }
    ASSERT_EQ(chdir(before.c_str()), 0);
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_FALSE(testsupport::FileExists(dir.File("ran")));
}

TEST(CxChildProcess, TheProgramsNameMayDifferFromItsPath) {
    TempDir dir;
    CxChildProcess child;
    int error = 0;
    ASSERT_TRUE(child.Start(kChild, {"Zembrik.LNAddrHost", "record", dir.File("out.txt")},
                            dir.Path(), &error))
        << error;
    ASSERT_EQ(child.Wait(60000, nullptr), CxChildProcess::WaitResult::Exited);
    EXPECT_EQ(child.ExitCode(), 0);
}

TEST(CxChildProcess, ASharedDescriptorStaysOpenInTheChildAlone) {
    TempDir dir;
    const int shared = open(dir.File("lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    const int other = open(dir.File("other").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(shared, 0);
    CxChildProcess child;
    child.ShareWithChildren(shared);
    for (const int fd : {shared, other}) {
        ASSERT_TRUE(child.Start({kChild, "open", std::to_string(fd)}, "", nullptr));
        ASSERT_EQ(child.Wait(60000, nullptr), CxChildProcess::WaitResult::Exited);
        EXPECT_EQ(child.ExitCode(), fd == shared ? 0 : 1) << fd;
    }
    EXPECT_NE(fcntl(shared, F_GETFD) & FD_CLOEXEC, 0);
    close(shared);
    close(other);
}

TEST(CxChildProcess, TimeOutLeavesTheChildRunning) {
    CxChildProcess child;
    ASSERT_TRUE(child.Start({kChild, "sleep", "30000"}, "", nullptr));
    EXPECT_EQ(child.Wait(50, nullptr), CxChildProcess::WaitResult::TimedOut);
    EXPECT_EQ(kill(child.Pid(), 0), 0);
    kill(child.Pid(), SIGKILL);
    EXPECT_EQ(child.Wait(-1, nullptr), CxChildProcess::WaitResult::Exited);
    EXPECT_EQ(child.ExitCode(), 128 + SIGKILL);
    EXPECT_EQ(child.TermSignal(), SIGKILL);
}

TEST(CxChildProcess, ArgumentsArriveByteForByte) {
    TempDir dir;
    const std::vector<std::string> hostile = {
        "a\"b", "two  blanks", "$(touch pwned)", "line\nbreak", "back\\", "\"\"", "", "tab\there"};
    std::vector<std::string> args = {kChild, "record", dir.File("out.txt")};
    args.insert(args.end(), hostile.begin(), hostile.end());
    CxChildProcess child;
    ASSERT_TRUE(child.Start(args, dir.Path(), nullptr));
    ASSERT_EQ(child.Wait(60000, nullptr), CxChildProcess::WaitResult::Exited);
    std::string expected = dir.Path() + "\nstdin:0\n";
    for (const std::string& arg : hostile)
        expected += "[" + arg + "]\n";
    EXPECT_EQ(ReadFile(dir.File("out.txt")), expected);
    EXPECT_FALSE(testsupport::FileExists(dir.File("pwned")));
}

TEST(CxChildProcess, ANormalExitHasNoSignal) {
    CxChildProcess child;
    ASSERT_TRUE(child.Start({kChild, "exit", "127"}, "", nullptr));
    ASSERT_EQ(child.Wait(60000, nullptr), CxChildProcess::WaitResult::Exited);
    EXPECT_EQ(child.ExitCode(), 127);
    EXPECT_EQ(child.TermSignal(), 0);
}

TEST(CxChildProcess, TerminateEndsTheChildAndTellsHow) {
    CxChildProcess child;
    ASSERT_TRUE(child.Start({kChild, "sleep", "30000"}, "", nullptr));
    const pid_t pid = child.Pid();
    child.Terminate(5000);
    EXPECT_EQ(child.TermSignal(), SIGTERM);
    EXPECT_EQ(child.Wait(0, nullptr), CxChildProcess::WaitResult::Exited);
    EXPECT_EQ(kill(pid, 0), -1); // reaped, not a zombie
}

TEST(CxChildProcess, AnInterruptRequestEndsTheWait) {
    CxChildProcess child;
    ASSERT_TRUE(child.Start({kChild, "sleep", "30000"}, "", nullptr));
    platform::SetInterruptRequested(true);
    EXPECT_EQ(child.Wait(-1, nullptr), CxChildProcess::WaitResult::Stopped);
    platform::SetInterruptRequested(false);
    child.Terminate(5000);
}

TEST(CxChildProcess, StopEventEndsTheWait) {
    CxChildProcess child;
    CxAutoResetEvent stop;
    ASSERT_TRUE(child.Start({kChild, "sleep", "30000"}, "", nullptr));
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop.Set();
    });
    EXPECT_EQ(child.Wait(-1, &stop), CxChildProcess::WaitResult::Stopped);
    setter.join();
    EXPECT_EQ(kill(child.Pid(), 0), 0);
    kill(child.Pid(), SIGKILL);
    EXPECT_EQ(child.Wait(-1, &stop), CxChildProcess::WaitResult::Exited);
}

TEST(CxChildProcess, ClosedChildIsReapedInTheBackground) {
    pid_t pid;
    {
        CxChildProcess child;
        ASSERT_TRUE(child.Start({kChild, "sleep", "30000"}, "", nullptr));
        pid = child.Pid();
        child.Close();
        EXPECT_FALSE(child.IsStarted());
        EXPECT_EQ(kill(pid, 0), 0);
    }
    kill(pid, SIGKILL);
    // Gone for good only once reaped; a zombie would still answer kill(pid, 0).
    int result = 0;
    for (int i = 0; i < 1000 && (result = kill(pid, 0)) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(result, -1);
    EXPECT_EQ(errno, ESRCH);
}

TEST(CxChildProcess, FailuresGiveTheErrno) {
    TempDir dir;
    CxChildProcess child;
    int error = 0;
    EXPECT_FALSE(child.Start({dir.File("missing")}, "", &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(child.Start({"no-such-program-anywhere"}, "", &error));
    EXPECT_EQ(error, EINVAL);
    EXPECT_FALSE(child.Start({kChild, "exit", "0"}, dir.File("missing"), &error));
    EXPECT_EQ(error, ENOENT);
    testsupport::WriteFile(dir.File("plain"), "not a program");
    EXPECT_FALSE(child.Start({dir.File("plain")}, "", &error));
    EXPECT_EQ(error, EACCES);
    EXPECT_FALSE(child.Start({dir.Path()}, "", &error));
    EXPECT_EQ(error, EACCES);
    EXPECT_FALSE(child.Start({}, "", &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(child.Start({""}, "", &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(child.IsStarted());
}
