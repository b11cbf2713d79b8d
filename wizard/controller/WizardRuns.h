// The journaled runs of the data folder as the front ends tell them: how each
// ended and which undo took it back. vxln-batch journal and the wizard's
// earlier runs both list them from here.
#pragma once
#include <string>
#include <vector>

#include "common/lotus/exchange/CxLNJournalList.h"

class CxWizardController;
struct tagLNUndoResult;

struct tagWizardRun {
    tagLNJournalRun run;
    // How it ended when not as it should ("stopped before its end: ...");
    // empty for a run that finished.
    std::string sEnded;
    bool bFailed = false;
    std::string sUndoneBy; // the newest undo of it that finished, if any
};

// Newest first.
std::vector<tagWizardRun> ListWizardRuns(const std::string& dataFolder);

// What an undo did, or on a dry run would do, in one text.
std::string DescribeUndo(const tagLNUndoResult& result, bool dryRun);

// Undoes (or dry-runs) an earlier `run` through the controller's undo, the
// same as vxln-batch undo; the kind and database the user chose stay chosen.
bool UndoEarlierRun(CxWizardController& controller, const std::string& run, bool dryRun,
                    tagLNUndoResult* result);
