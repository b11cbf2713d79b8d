#include "WizardWritten.h"

#include "common/lotus/exchange/CxLNJournalList.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardUpdate.h"

void TakeConfirmedWrites(const CxWizardController& controller, tagWizardUpdateResult* result) {
    result->nConfirmed = -1;
    if (!result->bSubmitted || !result->bSubmitFailed || result->nUpdated == 0)
        return;
    // Each change is journaled before it is made, so a run without a journal
    // changed nothing.
    tagLNJournalRun run;
    result->nConfirmed = !result->sRun.empty() &&
                                 LNReadJournalRun(controller.GetDataFolderPath(), result->sRun, &run)
                             ? run.nDocuments
                             : 0;
}

std::string DescribeConfirmedWrites(const tagWizardUpdateResult& result, const std::string& undo) {
    if (result.nConfirmed < 0)
        return std::string();
    const std::string text = GroupedCount(result.nConfirmed) + " of " +
                             GroupedCount(result.nUpdated) +
                             " records were written before the helper program ended";
    return result.nConfirmed > 0 && !undo.empty() ? text + "; " + undo : text + ".";
}

std::string GroupedCount(long long n) {
    const std::string digits = std::to_string(n < 0 ? -n : n);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return n < 0 ? "-" + grouped : grouped;
}
