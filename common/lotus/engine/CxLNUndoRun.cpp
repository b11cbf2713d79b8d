#include "CxLNUndoRun.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNJournal.h"
#include "common/lotus/engine/CxLNSafeRun.h"
#include "common/lotus/engine/CxLNUndo.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNJournalList.h"
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

// A run's name is a file name of the journal folder and nothing else.
bool SoundRunName(const std::string& run) {
    return !run.empty() && run.size() < 128 &&
           run.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_") ==
               std::string::npos;
}

bool ReadRequest(const std::string& path, std::string* run, bool* dryRun) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    if (!std::getline(in, text))
        return false;
    const nlohmann::json request = nlohmann::json::parse(text, nullptr, false);
    if (!request.is_object() || !request.contains("run") || !request["run"].is_string())
        return false;
    *run = request["run"].get<std::string>();
    *dryRun = request.value("dry_run", false);
    return SoundRunName(*run);
}

bool Fail(CxLNBaseUtil* util, const std::string& text) {
    LNReportFailure(util, text.c_str());
    return false;
}

bool WriteOutcome(const std::string& path, const tagLNUndoOutcome& outcome,
                  const std::string& undoRun) {
    nlohmann::json lines = nlohmann::json::array();
    for (const std::string& line : outcome.lines)
        lines.push_back(platform::Cp1252ToUtf8(line));
    const nlohmann::json result = {{"restored", outcome.nRestored},
                                   {"left", outcome.nLeft},
                                   {"lines", lines},
                                   {"undo_run", undoRun}};
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out << result.dump() << '\n';
    return static_cast<bool>(out.flush());
}

} // namespace

bool LNUndoRun(CxLNBaseUtil* util, const tagLNRunTarget& target,
               const std::function<bool()>& saveToDB) {
    const std::string request = std::string(util->GetTempFilePath()) + util->GetFileName();
    std::string run, error;
    bool dryRun = false;
    if (!ReadRequest(request, &run, &dryRun))
        return Fail(util, "Can not read the undo request " + request + ".");
    tagLNUndoPlan plan;
    const std::string journal = LNJournalPath(util->GetTempFilePath(), run);
    if (!LNReadUndoPlan(journal, &plan, &error))
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
    LNJournal().Close();
    Pending().pPlan = nullptr;
    return WriteOutcome(request, Pending().outcome, undoRun) && saved;
}

void LNRunPendingUndo(CxLNBaseUtil* owner, DBHANDLE db) {
    tagPendingUndo& pending = Pending();
    if (pending.pPlan)
        LNApplyUndo(owner, db, *pending.pPlan, pending.bDryRun, &pending.outcome);
}
