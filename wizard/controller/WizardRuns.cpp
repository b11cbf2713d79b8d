#include "WizardRuns.h"

#include <map>

#include "common/lotus/exchange/CxLNRunLock.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "common/misc/CxString.h"
#include "wizard/controller/WizardController.h"

namespace {

// A journal without its last line belongs to a run still going on (the
// newest, while the data folder is held) or to one that ended during its
// write-back.
std::string HowItEnded(const tagLNJournalRun& run, bool running) {
    if (!run.sDamaged.empty())
        return "damaged: " + run.sDamaged;
    if (run.sEnd == "stopped")
        return "stopped before its end: " + run.sWhy;
    if (!run.sEnd.empty())
        return "";
    return running ? "running now" : "did not finish: its run ended during the write-back";
}

} // namespace

std::vector<tagWizardRun> ListWizardRuns(const std::string& dataFolder) {
    std::vector<tagWizardRun> runs;
    bool held = !LNDataFolderHolder(dataFolder).empty();
    for (tagLNJournalRun& journal : LNListJournalRuns(dataFolder)) {
        tagWizardRun run;
        // Only the newest run can be the one going on.
        run.sEnded = HowItEnded(journal, held && journal.sEnd.empty());
        held = false;
        run.bFailed = !run.sEnded.empty();
        run.run = std::move(journal);
        runs.push_back(std::move(run));
    }
    // Newest first: the first finished undo met is the newest.
    std::map<std::string, std::string> undoneBy;
    for (const tagWizardRun& run : runs)
        if (!run.run.sUndoOf.empty() && run.run.sEnd == "done")
            undoneBy.emplace(run.run.sUndoOf, run.run.sRun);
    for (tagWizardRun& run : runs) {
        const auto found = undoneBy.find(run.run.sRun);
        if (found != undoneBy.end())
            run.sUndoneBy = found->second;
    }
    return runs;
}

std::string DescribeUndo(const tagLNUndoResult& r, bool dryRun) {
    std::string text =
        dryRun ? std::to_string(r.nRestored) + " items would be put back, " +
                     std::to_string(r.nLeft) + " left as they are; nothing was changed."
               : "The run was undone: " + std::to_string(r.nRestored) + " items put back, " +
                     std::to_string(r.nLeft) + " left.";
    for (const std::string& line : r.lines)
        text += " " + line;
    return text;
}

bool UndoEarlierRun(CxWizardController& controller, const std::string& run, bool dryRun,
                    tagLNUndoResult* result) {
    AppSettings& s = controller.GetSettings();
    const int kind = s.AppFlag;
    const std::string addrFile = s.AddrFile, mailDb = s.MailDBName;
    const bool undone = controller.UndoRun(run.c_str(), dryRun, result);
    s.AppFlag = kind;
    CxStrCopy(s.AddrFile, addrFile.c_str());
    CxStrCopy(s.MailDBName, mailDb.c_str());
    return undone;
}
