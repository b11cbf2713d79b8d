#include "BatchJournal.h"

#include <string>

#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "wizard/batch/BatchPages.h"
#include "wizard/batch/BatchWait.h"
#include "wizard/controller/Apputil.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardRuns.h"

namespace {

void PrintRun(const tagWizardRun& row, std::FILE* out) {
    const tagLNJournalRun& run = row.run;
    if (run.sKind.empty()) {
        std::fprintf(out, "%s  %s\n", run.sRun.c_str(), row.sEnded.c_str());
        return;
    }
    std::fprintf(out, "%s  %s  %s  %s  %d documents, %d items changed", run.sRun.c_str(),
                 run.sTime.c_str(), run.sKind.c_str(), run.sDatabase.c_str(), run.nDocuments,
                 run.nItems);
    if (!run.sUndoOf.empty())
        std::fprintf(out, " (undo of %s)", run.sUndoOf.c_str());
    if (!row.sEnded.empty())
        std::fprintf(out, " (%s)", row.sEnded.c_str());
    if (!row.sUndoneBy.empty())
        std::fprintf(out, " (undone by %s)", row.sUndoneBy.c_str());
    std::fprintf(out, "\n");
}

} // namespace

int ListBatchJournal(const tagBatchIO& io) {
    char folder[260] = "";
    std::string problem;
    if (!GetDataFolder(folder, &problem)) {
        BatchComplain(io, problem);
        return BATCH_EXIT_FAILED;
    }
    const std::vector<tagWizardRun> runs = ListWizardRuns(folder);
    if (runs.empty())
        std::fprintf(io.out, "No run has been journaled yet.\n");
    for (const tagWizardRun& run : runs)
        PrintRun(run, io.out);
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
