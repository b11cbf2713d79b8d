// The wizard's side of an undo run: the request it writes for the helper
// and the outcome the helper adds to it.
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
bool LNReadUndoResult(const std::string& path, tagLNUndoResult* result);
