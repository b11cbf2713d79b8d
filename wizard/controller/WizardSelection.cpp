#include "WizardSelection.h"

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNHeld.h"
#include "common/lotus/exchange/CxLNTask.h"

std::string SelectedRecordsDamage(const CxWizardController& c) {
    return c.ForCurrentKind(std::string(), [](auto* util, auto*) {
        return util ? util->GetRecStore()->Damage() : std::string();
    });
}

bool SelectHeld(CxWizardController& controller, const tagLNHeld& held) {
    CxList* selected = controller.GetSelectedRecords();
    return selected && controller.ForCurrentKind(false, [&](auto* util, auto*) {
        return util && LNAddHeld(selected, util->GetRecStore(), held);
    });
}
