#include "BatchCuts.h"

#include "platform/Cp1252.h"
#include "wizard/controller/WizardController.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

std::string BatchCutReport(const CxWizardController& c) {
    const CxVXCommonUtil* engine = c.ForCurrentKind<const CxVXCommonUtil*>(
        nullptr, [](auto*, auto* e) { return static_cast<const CxVXCommonUtil*>(e); });
    if (!engine || engine->GetCutCounts().empty())
        return "";
    std::string text = "Cut to the field's size:";
    bool first = true;
    for (const auto& cut : engine->GetCutCounts()) {
        const tagFUFieldInfo* row = c.FindFieldInfo(cut.first);
        text += std::string(first ? " " : ", ") +
                (row ? platform::Cp1252ToUtf8(row->szName) : std::to_string(cut.first)) + " " +
                std::to_string(cut.second) + (cut.second == 1 ? " record" : " records");
        first = false;
    }
    return text + ".\n";
}
