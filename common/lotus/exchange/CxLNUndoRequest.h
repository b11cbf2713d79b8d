// The exchange file of an undo run (mode 3): the request the front end writes
// ({"run": NAME, "dry_run": BOOL}), then the line with its outcome the helper
// adds ({"restored", "left", "lines", "undo_run"}). Both ends read it a line
// at a time, each line bounded, and never through a symbolic link.
#pragma once
#include <string>
#include <vector>

struct tagLNUndoResult {
    int nRestored = 0;
    int nLeft = 0;
    std::vector<std::string> lines; // UTF-8
    std::string sUndoRun;           // the undo's own journal, empty on a dry run
};

bool LNWriteUndoRequest(const std::string& path, const std::string& run, bool dryRun);
// False for a missing or damaged request, or one whose run is no name of the
// journal folder.
bool LNReadUndoRequest(const std::string& path, std::string* run, bool* dryRun);
bool LNAppendUndoResult(const std::string& path, const tagLNUndoResult& result);
bool LNReadUndoResult(const std::string& path, tagLNUndoResult* result);
