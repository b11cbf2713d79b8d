#include "WizardUpdate.h"

#include <memory>
#include <vector>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardSelection.h"
#include "wizard/controller/WizardSteps.h"
#include "wizard/controller/WizardWritten.h"

const char* const kUpdateSucceeded = "Records updating successfully.";

namespace {

const char kSubmitFailed[] = "Failed to write the changes back to Lotus Notes.";

// Each selected record goes through the update alone, so that one kept
// only in its store is changed on a copy that it then keeps.
template <class Util, class Engine>
uint32_t RunSelected(Util* util, CxList* selected, CxList* definitions, Engine* engine,
                     const FUProgressFn& progress) {
    typedef tagKindCommRec<Util> Comm;
    const uint32_t count = selected ? selected->GetCount() : 0;
    std::unique_ptr<Comm> carrier(new Comm());
    CxList one;
    uint32_t updated = 0;
    ForEachSelectedRec(util, selected, [&](uint32_t index, void* rec, bool copied) {
        carrier->pUserData = rec;
        one.Add(carrier.get());
        const uint32_t n = RunFieldUpdates(&one, definitions, engine, [&](uint32_t, uint32_t) {
            if (progress)
                progress(index, count);
        });
        one.RemoveAll(false);
        updated += n;
        return copied && n > 0;
    });
    return updated;
}

uint32_t RunForKind(CxWizardController& c, const FUProgressFn& progress) {
    CxList* selected = c.GetSelectedRecords();
    CxList* definitions = c.GetUpdateDefinitions();
    return c.ForCurrentKind(uint32_t(0), [&](auto* util, auto* engine) {
        return RunSelected(util, selected, definitions, engine, progress);
    });
}

std::string Counted(const char* format, uint32_t n) {
    char text[160];
    CxStrFormat(text, sizeof text, format, static_cast<int>(n));
    return text;
}

std::string NewestRun(const char* dataFolder) {
    const std::vector<std::string> runs = LNJournalRunNames(dataFolder);
    return runs.empty() ? std::string() : runs.front();
}

std::string ChangedSinceLoad(int n) {
    return n == 1
               ? "1 record was changed in Lotus Notes after it was loaded and was left unchanged; "
                 "the others were written back."
               : Counted("%d records were changed in Lotus Notes after they were loaded and were "
                         "left unchanged; the others were written back.",
                         static_cast<uint32_t>(n));
}

// A record that could not be read again fails the run before any write-back.
void NoteDamage(const CxWizardController& c, tagWizardUpdateResult* result) {
    const std::string damage = SelectedRecordsDamage(c);
    if (damage.empty())
        return;
    result->bSubmitFailed = true;
    result->sError = damage + "; nothing was written back. Load the records again.";
}

} // namespace

int FUProgressPercent(uint32_t index, uint32_t count) {
    if (count == 0)
        return 0;
    const double step = 100.0 / count;
    return static_cast<int>((index + 1.0) * step);
}

tagWizardUpdateResult ApplyWizardUpdates(CxWizardController& controller,
                                         const FUProgressFn& progress) {
    tagWizardUpdateResult result{};
    CxList* selected = controller.GetSelectedRecords();
    result.nSelected = selected ? selected->GetCount() : 0;
    result.nUpdated = RunForKind(controller, progress);
    result.sNotice = controller.GetLoadNotice();
    NoteDamage(controller, &result);
    return result;
}

void SubmitWizardUpdates(CxWizardController& controller, tagWizardUpdateResult* result) {
    CxLNBaseUtil* util = controller.GetCurrentUtil();
    std::string held;
    if (result->bSubmitFailed) {
        // Nothing is written from records that could not be read as loaded.
    } else if (result->nUpdated > 0 && util && !controller.BeginWriteBack(&held)) {
        result->bSubmitted = result->bSubmitFailed = true;
        result->sError = held;
    } else if (result->nUpdated > 0 && util) {
        result->bSubmitted = true;
        const std::string newest = NewestRun(controller.GetDataFolderPath());
        const bool submitted = util->SubmitChanges();
        controller.EndWriteBack();
        const std::string run = NewestRun(controller.GetDataFolderPath());
        if (run != newest)
            result->sRun = run;
        if (!submitted || util->HasError()) {
            result->bSubmitFailed = true;
            result->sError = util->GetLastErrorMsg()[0] ? util->GetLastErrorMsg() : kSubmitFailed;
        }
        TakeConfirmedWrites(controller, result);
        result->nChangedSinceLoad = util->GetChangedSinceLoad();
        if (result->nChangedSinceLoad > 0)
            result->sError = ChangedSinceLoad(result->nChangedSinceLoad) + " " + result->sError;
        // The write-back runs as the load did; say it once.
        if (util->GetNotice()[0] && result->sNotice != util->GetNotice())
            result->sNotice +=
                (result->sNotice.empty() ? "" : " ") + std::string(util->GetNotice());
    }
    controller.SetUpdateResult(*result);
}

tagWizardUpdateResult RunWizardUpdate(CxWizardController& controller,
                                      const FUProgressFn& progress) {
    tagWizardUpdateResult result = ApplyWizardUpdates(controller, progress);
    SubmitWizardUpdates(controller, &result);
    return result;
}

tagFinishTexts MakeFinishTexts(int kind, uint32_t definitions, uint32_t selected,
                               const tagWizardUpdateResult* result) {
    tagFinishTexts texts;
    texts.sApp = GetKindName(kind);
    texts.sFields = Counted("%d fields in total", definitions);
    texts.sRecords = Counted("%d records in total", selected);
    texts.sResult = result && result->bSubmitFailed ? result->sError : kUpdateSucceeded;
    if (result && !result->sNotice.empty())
        texts.sResult += " " + result->sNotice;
    return texts;
}
