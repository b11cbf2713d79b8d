// Watching the processes of a vxln-batch run from outside: its helpers, the
// moment its write-back is under way, and the end of a process that is not
// this one's child.
#pragma once
#include <set>
#include <string>
#include <sys/types.h>

// The processes whose parent is `parent`.
std::set<pid_t> ChildrenOf(pid_t parent);

// The helper of `batch`'s write-back once it has written into the database
// whose write-ahead log is `wal` (a load writes nothing there); -1 when the
// run ended first.
pid_t WriteBackUnderWay(pid_t batch, const std::string& wal);

// Waits up to two minutes for `pid` to be gone; false when it still runs.
bool Gone(pid_t pid);

// Waits up to two minutes for the file `path` to hold `text`.
bool Holds(const std::string& path, const std::string& text);
// The same while process `pid` runs; false at once when it has ended.
bool HoldsWhileRuns(const std::string& path, const std::string& text, pid_t pid);
