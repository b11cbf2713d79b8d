#include "WizardKinds.h"

#include "wizard/controller/WizardSteps.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

const std::array<tagWizardKind, 3> kWizardKinds = {{
    {LN_KIND_ADDR, "contacts", CxVXLNAddrUtil::GetUpdateFieldCount,
     CxVXLNAddrUtil::GetUpdateFieldInfo, &kVXLNAddrFields},
    {LN_KIND_DATE, "calendar", CxVXLNDateUtil::GetUpdateFieldCount,
     CxVXLNDateUtil::GetUpdateFieldInfo, &kVXLNDateFields},
    {LN_KIND_TASK, "tasks", CxVXLNTaskUtil::GetUpdateFieldCount,
     CxVXLNTaskUtil::GetUpdateFieldInfo, &kVXLNTaskFields},
}};

const tagWizardKind* GetWizardKind(int kind) {
    for (const tagWizardKind& entry : kWizardKinds)
        if (entry.nKind == kind)
            return &entry;
    return nullptr;
}

const tagWizardKind* FindWizardKind(const std::string& name) {
    for (const tagWizardKind& entry : kWizardKinds)
        if (name == entry.name)
            return &entry;
    return nullptr;
}
