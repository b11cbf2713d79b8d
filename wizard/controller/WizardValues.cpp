#include "WizardValues.h"

#include <cstdlib>
#include <utility>
#include <vector>

#include "common/misc/CxList.h"
#include "wizard/controller/ValuesImport.h"
#include "wizard/controller/WizardController.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

const CxVXCommonUtil* Engine(const CxWizardController& c) {
    return c.ForCurrentKind<const CxVXCommonUtil*>(nullptr,
                                                   [](auto*, auto* engine) { return engine; });
}

void RemoveFileDefinitions(CxList& definitions) {
    std::vector<void*> old;
    for (void* p = definitions.GetFirst(); p; p = definitions.GetNext())
        if (static_cast<tagFUFieldUpdate*>(p)->nOperation == FU_OP_FROM_FILE)
            old.push_back(p);
    for (void* p : old)
        definitions.Remove(p, true);
}

} // namespace

bool SetWizardValues(CxWizardController& c, std::shared_ptr<const CxFUValueTable> table) {
    CxVXCommonUtil* engine = const_cast<CxVXCommonUtil*>(Engine(c));
    if (!engine)
        return false;
    engine->SetValueTable(std::move(table));
    return true;
}

bool ImportWizardValues(CxWizardController& c, std::shared_ptr<const CxFUValueTable> table) {
    CxList* definitions = c.GetUpdateDefinitions();
    if (!definitions || !table)
        return false;
    const std::vector<tagFUFieldUpdate> made = MakeValuesDefinitions(*table);
    if (!SetWizardValues(c, std::move(table)))
        return false;
    RemoveFileDefinitions(*definitions);
    for (const tagFUFieldUpdate& def : made) {
        tagFUFieldUpdate* copy = CxWizardController::NewDefinition();
        if (!copy)
            return false;
        *copy = def;
        if (!definitions->Add(copy)) {
            std::free(copy);
            return false;
        }
    }
    return true;
}

const CxFUValueTable* GetWizardValues(const CxWizardController& c) {
    const CxVXCommonUtil* engine = Engine(c);
    return engine ? engine->GetValueTable() : nullptr;
}

unsigned GetWizardValuesNumber(const CxWizardController& c) {
    const CxVXCommonUtil* engine = Engine(c);
    return engine ? engine->GetValueTableNumber() : 0;
}
