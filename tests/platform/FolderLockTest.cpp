#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "platform/FolderLock.h"
#include "platform/Process.h"

using platform::CxFolderLock;
using platform::tagLockHolder;
using testsupport::FileExists;
using testsupport::TempDir;

namespace {

using Result = CxFolderLock::Result;

// A child that takes the lock, tells the parent through `ready` and then
// waits for its end.
pid_t HolderChild(const std::string& path, const std::string& doing) {
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        CxFolderLock lock;
        if (lock.Take(path, "holder", false, {}, nullptr, nullptr) != Result::Taken)
            _exit(1);
        lock.SetDoing(doing);
        if (write(ready[1], "x", 1) != 1)
            _exit(2);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char c = 0;
    if (read(ready[0], &c, 1) != 1)
        return -1;
    close(ready[0]);
    return child;
}

void End(pid_t child) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

TEST(FolderLock, ASecondHolderIsRefusedAndToldWhoHoldsIt) {
    TempDir dir;
    const std::string path = dir.File("run.lock");
    const pid_t child = HolderChild(path, "write-back");
    ASSERT_GT(child, 0);
    CxFolderLock lock;
    tagLockHolder holder;
    int error = 0;
    EXPECT_EQ(lock.Take(path, "second", false, {}, &holder, &error), Result::Held);
    EXPECT_FALSE(lock.IsHeld());
    EXPECT_EQ(holder.sProgram, "holder");
    EXPECT_EQ(holder.nPid, static_cast<long>(child));
    EXPECT_GT(holder.nSince, 0);
    EXPECT_EQ(holder.sDoing, "write-back");
    EXPECT_TRUE(platform::FolderLockHeld(path, nullptr));
    End(child);
    // The kernel let it go with the process; the next holder learns what the
    // dead one was doing.
    EXPECT_FALSE(platform::FolderLockHeld(path, nullptr));
    ASSERT_EQ(lock.Take(path, "second", false, {}, nullptr, &error), Result::Taken) << error;
    EXPECT_EQ(lock.Previous().sDoing, "write-back");
    EXPECT_EQ(lock.Previous().nPid, static_cast<long>(child));
    lock.Release();
    ASSERT_EQ(lock.Take(path, "third", false, {}, nullptr, &error), Result::Taken);
    EXPECT_EQ(lock.Previous().sDoing, "") << "a released lock leaves nothing undone";
}

TEST(FolderLock, AWaiterTakesTheLockOnceItsHolderHasEnded) {
    TempDir dir;
    const std::string path = dir.File("run.lock");
    const pid_t child = HolderChild(path, "");
    ASSERT_GT(child, 0);
    int told = 0;
    CxFolderLock lock;
    const Result result = lock.Take(
        path, "waiter", true,
        [&](const tagLockHolder& holder) {
            ++told;
            EXPECT_EQ(holder.nPid, static_cast<long>(child));
            End(child);
        },
        nullptr, nullptr);
    EXPECT_EQ(result, Result::Taken);
    EXPECT_EQ(told, 1);
}

// A helper started with the lock shares it: the lock lasts until it has
// ended too, though its starter is gone.
TEST(FolderLock, AChildSharingTheLockKeepsItHeld) {
    TempDir dir;
    const std::string path = dir.File("run.lock");
    CxFolderLock lock;
    ASSERT_EQ(lock.Take(path, "starter", false, {}, nullptr, nullptr), Result::Taken);
    platform::CxChildProcess child;
    child.ShareWithChildren(lock.Descriptor());
    ASSERT_TRUE(child.Start({"/bin/sleep", "30"}, "", nullptr));
    lock.Release();
    CxFolderLock other;
    EXPECT_EQ(other.Take(path, "other", false, {}, nullptr, nullptr), Result::Held);
    child.Terminate(5000);
    EXPECT_EQ(other.Take(path, "other", false, {}, nullptr, nullptr), Result::Taken);
}

TEST(FolderLock, ALinkAtTheLocksNameIsNeverFollowed) {
    TempDir dir;
    const std::string path = dir.File("run.lock");
    ASSERT_EQ(symlink(dir.File("elsewhere").c_str(), path.c_str()), 0);
    CxFolderLock lock;
    int error = 0;
    EXPECT_EQ(lock.Take(path, "x", false, {}, nullptr, &error), Result::Failed);
    EXPECT_EQ(error, ELOOP);
    EXPECT_FALSE(FileExists(dir.File("elsewhere")));
}

TEST(FolderLock, TheLockFileIsItsOwnersAlone) {
    TempDir dir;
    const mode_t mask = umask(0);
    CxFolderLock lock;
    ASSERT_EQ(lock.Take(dir.File("run.lock"), "x", false, {}, nullptr, nullptr), Result::Taken);
    umask(mask);
    struct stat st;
    ASSERT_EQ(stat(dir.File("run.lock").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}
