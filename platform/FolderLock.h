// One holder at a time for a folder: an advisory lock on a file of the
// folder, held from Take to Release and let go by the kernel when the holder
// ends (and every child it shares the lock's descriptor with). The file says
// who holds it (program, process, since when) and what it does, so that a
// process that finds it held can say who holds it, and the next holder can
// tell what one that died was doing.
#pragma once
#include <functional>
#include <string>

namespace platform {

struct tagLockHolder {
    std::string sProgram;
    long nPid = 0;
    long long nSince = 0; // seconds since 1970
    std::string sDoing;   // empty: nothing that must not be cut short
    long long nDoingSince = 0;
};

class CxFolderLock {
public:
    enum class Result { Taken, Held, Failed };

    CxFolderLock() = default;
    ~CxFolderLock() { Release(); }
    CxFolderLock(const CxFolderLock&) = delete;
    CxFolderLock& operator=(const CxFolderLock&) = delete;

    // Takes the lock file `path` (never through a symbolic link) for
    // `program`. Held: another process has it, and `holder` says who as far
    // as it has told. With `wait`, `waiting` hears of the holder once and Take
    // blocks until the lock is free or an interrupt request ends the wait
    // (Failed, EINTR). Failed otherwise leaves the errno in `error`.
    Result Take(const std::string& path, const std::string& program, bool wait,
                const std::function<void(const tagLockHolder&)>& waiting, tagLockHolder* holder,
                int* error);
    bool IsHeld() const { return m_fd >= 0; }
    int Descriptor() const { return m_fd; }
    // What the holder before this one left: when its sDoing is not empty, it
    // ended during that without letting go.
    const tagLockHolder& Previous() const { return m_previous; }
    // Tells whoever finds the lock what its holder does now; "" for nothing.
    void SetDoing(const std::string& doing);
    // Empties the record and lets the lock go.
    void Release();

private:
    void WriteRecord_();

    int m_fd = -1;
    tagLockHolder m_own;
    tagLockHolder m_previous;
};

// The lock file `path` names a holder that still runs (`holder` says who).
// Only the record is read: no lock is tried, which could turn away a process
// taking the lock at that moment.
bool FolderLockHeld(const std::string& path, tagLockHolder* holder);

// The process runs (or is a zombie not yet reaped).
bool ProcessRuns(long pid);

} // namespace platform
