// The undo of a journaled run, with the access the settings give: the same
// way to Lotus Notes as the run's own load took.
#include "WizardController.h"

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxString.h"
#include "platform/Cp1252.h"
#include "wizard/controller/Apputil.h"
#include "wizard/controller/WizardKinds.h"
#include "wizard/controller/WizardSteps.h"

namespace {

int KindFlag(const std::string& name) {
    const tagWizardKind* kind = FindWizardKind(name);
    return kind ? kind->nKind : 0;
}

} // namespace

bool CxWizardController::UndoRun(const char* run, bool dryRun, tagLNUndoResult* result) {
    SetLoadError_("");
    char folder[260] = "";
    std::string problem;
    tagLNJournalRun head;
    if (!GetDataFolder(folder, &problem)) {
        SetLoadError_(problem.c_str());
        return false;
    }
    if (!LNReadJournalRun(folder, run ? run : "", &head) || !KindFlag(head.sKind)) {
        const std::string name = run ? run : "";
        const std::string text =
            head.sDamaged.empty()
                ? "There is no journal of a run named \"" + name + "\"."
                : "The journal of the run \"" + name + "\" can not be used: " + head.sDamaged + ".";
        SetLoadError_(text.c_str());
        return false;
    }
    if (!m_pAddrUtil && !CreateDataObjects_()) {
        SetLoadError_("Not enough memory.");
        return false;
    }
    if (!TakeDataFolder_(folder))
        return false;
    m_runLock.BeginUndo();
    AppSettings& s = m_settings;
    s.AppFlag = KindFlag(head.sKind);
    const std::string database = platform::Utf8ToCp1252(head.sDatabase);
    CxStrCopy(s.AppFlag == LN_KIND_ADDR ? s.AddrFile : s.MailDBName, database.c_str());
    m_pWait->StartWaitWindow();
    CxLNBaseUtil* util = ConfigureKind_(folder, "Undoing the run in");
    const auto undo = [&] {
        return ForCurrentKind(
            false, [&](auto* kindUtil, auto*) { return kindUtil->Undo(run, dryRun, result); });
    };
    const bool undone = util && m_pWait->RunWhileWaiting(undo);
    m_pWait->StopWaitWindow();
    m_runLock.Release();
    if (util && !undone)
        SetLoadError_(util->GetLastErrorMsg()[0] ? util->GetLastErrorMsg() : "The undo failed.");
    return undone;
}
