// The undo of a journaled run: every item the run changed goes back to its
// old value when the document still holds the run's new value; items changed
// since are left and told, and so are the documents the run created or
// deleted, which the undo neither deletes nor re-creates.
#pragma once
#include <string>
#include <vector>

#include "common/lotus/engine/CxLNNoteItems.h"

class CxLNBaseUtil;

// The names as the journal holds them, in UTF-8; the values as stored.
struct tagLNUndoItem {
    std::string sName;
    bool bHadOld = false;
    tagLNRawItem old;
    bool bHasNew = false;
    tagLNRawItem now;
};

struct tagLNUndoDoc {
    std::string sAction; // "change", "create", "delete"
    NOTEID nDoc = 0;
    std::vector<tagLNUndoItem> items;
};

struct tagLNUndoPlan {
    std::string sRun, sKind, sDatabase;
    std::vector<tagLNUndoDoc> docs; // in the run's order
};

// The plan of the journal of `run` in `dataFolder`; false, with `error` set,
// when the file is missing, damaged or more than an undo keeps.
bool LNReadUndoPlan(const std::string& dataFolder, const std::string& run, tagLNUndoPlan* plan,
                    std::string* error);

struct tagLNUndoOutcome {
    int nRestored = 0; // items put back
    int nLeft = 0;     // items changed since the run, and documents created or deleted
    std::vector<std::string> lines; // one sentence for each thing left
};

// Applies `plan` to `db` (nothing is stored on a dry run).
void LNApplyUndo(CxLNBaseUtil* owner, DBHANDLE db, const tagLNUndoPlan& plan, bool dryRun,
                 tagLNUndoOutcome* outcome);
