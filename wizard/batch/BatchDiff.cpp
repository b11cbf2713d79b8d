#include "BatchDiff.h"

#include "common/misc/CxList.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardDryRun.h"

std::string BatchDateText(double value, bool withTime) {
    return WizardDateText(value, withTime);
}

std::string RunBatchDryRun(CxWizardController& c, unsigned* changed) {
    std::string report;
    tagDryRunCounts counts;
    CxList* selected = c.GetSelectedRecords();
    WizardDryRun(
        c, 0, selected ? selected->GetCount() : 0,
        [&report](const tagDryRunRecord& r) {
            report += "Record " + std::to_string(r.nIndex + 1) + " (note ID " + r.sID + "):\n";
            for (const tagDryRunField& f : r.fields)
                report += "  " + f.sName + ": " + f.sBefore + " -> " + f.sAfter + "\n";
        },
        &counts);
    if (changed)
        *changed = counts.nChanged;
    return report;
}
