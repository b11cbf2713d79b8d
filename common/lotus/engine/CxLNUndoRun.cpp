#include "CxLNUndoRun.h"

#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNJournal.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/engine/CxLNSafeRun.h"
#include "common/lotus/engine/CxLNUndo.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "platform/Cp1252.h"

namespace {

struct tagPendingUndo {
    const tagLNUndoPlan* pPlan = nullptr;
    bool bDryRun = false;
    tagLNUndoOutcome outcome;
};

tagPendingUndo& Pending() {
    static tagPendingUndo pending;
    return pending;
}

bool Fail(CxLNBaseUtil* util, const std::string& text) {
    LNReportFailure(util, text.c_str());
    return false;
}

bool WriteOutcome(const std::string& path, const tagLNUndoOutcome& outcome,
                  const std::string& undoRun) {
    tagLNUndoResult result;
    result.nRestored = outcome.nRestored;
    result.nLeft = outcome.nLeft;
    for (const std::string& line : outcome.lines)
        result.lines.push_back(platform::Cp1252ToUtf8(line));
    result.sUndoRun = undoRun;
    return LNAppendUndoResult(path, result);
}

} // namespace

bool LNUndoRun(CxLNBaseUtil* util, const tagLNRunTarget& target,
               const std::function<bool()>& saveToDB) {
    const std::string request = std::string(util->GetTempFilePath()) + util->GetFileName();
    std::string run, error;
    bool dryRun = false;
    if (!LNReadUndoRequest(request, &run, &dryRun))
        return Fail(util, "Can not read the undo request " + request + ".");
    tagLNUndoPlan plan;
    const std::string journal = LNJournalPath(util->GetTempFilePath(), run);
    if (!LNReadUndoPlan(util->GetTempFilePath(), run, &plan, &error))
        return Fail(util, error);
    if (plan.sKind != target.sKind || plan.sDatabase != target.sDatabase)
        return Fail(util, "The journal " + journal + " is of another database or record kind.");
    Pending() = tagPendingUndo();
    Pending().pPlan = &plan;
    Pending().bDryRun = dryRun;
    if (!dryRun)
        LNJournal().Prepare(util->GetTempFilePath(), target, run);
    const bool saved = saveToDB();
    const std::string undoRun = LNJournal().RunName();
    LNJournal().Finish(LNStopReason());
    LNJournal().Close();
    Pending().pPlan = nullptr;
    return WriteOutcome(request, Pending().outcome, undoRun) && saved;
}

void LNRunPendingUndo(CxLNBaseUtil* owner, DBHANDLE db) {
    tagPendingUndo& pending = Pending();
    if (pending.pPlan)
        LNApplyUndo(owner, db, *pending.pPlan, pending.bDryRun, &pending.outcome);
}
