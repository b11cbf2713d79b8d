#include "BatchJournal.h"

#include <string>

#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNRunLock.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "wizard/batch/BatchPages.h"
#include "wizard/batch/BatchWait.h"
#include "wizard/controller/Apputil.h"
#include "wizard/controller/WizardController.h"

namespace {

// How a run ended, when it did not end as it should: a journal without its
// last line belongs to a run still going on (the newest, while the data
// folder is held) or to one that ended during its write-back.
std::string HowItEnded(const tagLNJournalRun& run, bool running) {
    if (!run.sDamaged.empty())
        return " (damaged: " + run.sDamaged + ")";
    if (run.sEnd == "stopped")
        return " (stopped before its end: " + run.sWhy + ")";
    if (!run.sEnd.empty())
        return "";
    return running ? " (running now)" : " (did not finish: its run ended during the write-back)";
}

void PrintRun(const tagLNJournalRun& run, bool running, std::FILE* out) {
    if (run.sKind.empty()) {
        std::fprintf(out, "%s  %s\n", run.sRun.c_str(), HowItEnded(run, false).c_str() + 1);
        return;
    }
    std::fprintf(out, "%s  %s  %s  %s  %d documents, %d items changed", run.sRun.c_str(),
                 run.sTime.c_str(), run.sKind.c_str(), run.sDatabase.c_str(), run.nDocuments,
                 run.nItems);
    if (!run.sUndoOf.empty())
        std::fprintf(out, " (undo of %s)", run.sUndoOf.c_str());
    std::fprintf(out, "%s\n", HowItEnded(run, running).c_str());
}

} // namespace

int ListBatchJournal(const tagBatchIO& io) {
    char folder[260] = "";
    std::string problem;
    if (!GetDataFolder(folder, &problem)) {
        BatchComplain(io, problem);
        return BATCH_EXIT_FAILED;
    }
    const std::vector<tagLNJournalRun> runs = LNListJournalRuns(folder);
    if (runs.empty())
        std::fprintf(io.out, "No run has been journaled yet.\n");
    bool held = !LNDataFolderHolder(folder).empty();
    for (const tagLNJournalRun& run : runs) {
        PrintRun(run, held && run.sEnd.empty(), io.out);
        held = false; // only the newest run can be the one going on
    }
    return BATCH_EXIT_OK;
}

int RunBatchUndo(const tagBatchInput& in, const tagBatchIO& io, ILNDataFactory* factory) {
    CxWizardController c;
    CxBatchWait wait(io.err);
    const tagBatchOptions& o = *in.pOptions;
    StartBatchController(c, o, io, &wait, factory);
    StoreBatchAccess(in, &c.GetSettings());
    tagLNUndoResult result;
    const bool undone = c.UndoRun(o.undoRun.c_str(), o.bDryRun, &result);
    if (!c.GetPreviousRunNotice().empty())
        BatchComplain(io, c.GetPreviousRunNotice());
    if (!undone) {
        BatchComplainLoad(c, io);
        return BATCH_EXIT_FAILED;
    }
    for (const std::string& line : result.lines)
        std::fprintf(io.out, "%s\n", line.c_str());
    if (o.bDryRun)
        std::fprintf(io.out, "Dry run: %d items would be put back, %d left; nothing was changed.\n",
                     result.nRestored, result.nLeft);
    else
        std::fprintf(io.out, "Undo of %s: %d items put back, %d left. Its own journal: %s\n",
                     o.undoRun.c_str(), result.nRestored, result.nLeft, result.sUndoRun.c_str());
    return result.nLeft > 0 ? BATCH_EXIT_FAILED : BATCH_EXIT_OK;
}
