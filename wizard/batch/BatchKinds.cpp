#include "BatchKinds.h"

#include "platform/Cp1252.h"
#include "wizard/batch/BatchText.h"
#include "wizard/update/VxKeyText.h"
#include "wizard/update/Vxcommon.h"

const tagBatchKind* FindBatchKind(const std::string& name) {
    for (const tagBatchKind& kind : kWizardKinds)
        if (BatchSameText(name, kind.name))
            return &kind;
    return nullptr;
}

const tagFUFieldInfo* FindBatchField(const tagBatchKind& kind, const std::string& name) {
    for (int i = 0; i < kind.count(); ++i) {
        const tagFUFieldInfo* row = kind.at(i);
        if (row && FUSameKey(name, row->szName))
            return row;
    }
    return nullptr;
}

std::string DescribeBatchFields(const tagBatchKind& kind) {
    std::string text;
    for (int i = 0; i < kind.count(); ++i) {
        const tagFUFieldInfo* row = kind.at(i);
        if (!row)
            continue;
        text += platform::Cp1252ToUtf8(row->szName);
        text += "\t";
        text += GetFieldTypeName(row->nType);
        if (row->nType == FU_TYPE_ENUM) {
            text += "\t";
            if (row->nEnumCount <= 0)
                text += "(no choices)";
            for (int e = 0; e < row->nEnumCount && e < FU_MAX_ENUM; ++e) {
                text += e ? ", " : "";
                text += BatchFieldText(row->szEnumNames[e], sizeof row->szEnumNames[e]);
            }
        }
        text += "\n";
    }
    return text;
}
