#include "BatchJournal.h"

#include <string>

#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "wizard/batch/BatchPages.h"
#include "wizard/batch/BatchWait.h"
#include "wizard/controller/Apputil.h"
#include "wizard/controller/WizardController.h"

namespace {

void PrintRun(const tagLNJournalRun& run, std::FILE* out) {
    std::fprintf(out, "%s  %s  %s  %s  %d documents, %d items changed", run.sRun.c_str(),
                 run.sTime.c_str(), run.sKind.c_str(), run.sDatabase.c_str(), run.nDocuments,
                 run.nItems);
    if (!run.sUndoOf.empty())
        std::fprintf(out, " (undo of %s)", run.sUndoOf.c_str());
    std::fputc('\n', out);
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
    for (const tagLNJournalRun& run : runs)
        PrintRun(run, io.out);
    return BATCH_EXIT_OK;
}

int RunBatchUndo(const tagBatchInput& in, const tagBatchIO& io, ILNDataFactory* factory) {
    CxWizardController c;
    CxBatchWait wait(io.err);
    c.SetWaitWindow(&wait);
    c.SetDataFactory(factory);
    c.SetPause([](int) {});
    c.Start();
    StoreBatchAccess(in, &c.GetSettings());
    const tagBatchOptions& o = *in.pOptions;
    tagLNUndoResult result;
    if (!c.UndoRun(o.undoRun.c_str(), o.bDryRun, &result)) {
        BatchComplain(io, c.GetLoadError());
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
