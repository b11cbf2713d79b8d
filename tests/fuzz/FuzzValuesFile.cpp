// A values file (--values-from, Import Values...), read in UTF-8 and in
// Windows-1252 and checked against every kind's fields, as a run does.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "wizard/controller/ValuesFile.h"
#include "wizard/controller/ValuesImport.h"
#include "wizard/controller/WizardKinds.h"
#include "wizard/update/VxValueTable.h"
#include "wizard/update/Vxcommon.h"

namespace {

void Check(const tagValuesFile& file) {
    for (const tagWizardKind& kind : kWizardKinds) {
        CheckValuesNames(file, kind);
        tagValuesPlan plan = PlanValuesByName(file, kind);
        plan.nKeyColumn = plan.fields.empty() ? -1 : 0;
        std::shared_ptr<CxFUValueTable> table;
        std::vector<std::string> errors;
        if (BuildValuesTable(file, plan, kind, &table, &errors))
            MakeValuesDefinitions(*table);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const char* encoding : {"", "WINDOWS-1252"}) {
        tagValuesFile file;
        std::string error;
        if (ParseValuesText(bytes, "values.csv", encoding, &file, &error))
            Check(file);
    }
    return 0;
}
