#include "Vxlnkind.h"

namespace {

int AccessOf(int type) {
    switch (type) {
    case FU_TYPE_STRING:
        return FU_FIELD_TEXT;
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME:
        return FU_FIELD_DATE;
    case FU_TYPE_BOOLEAN:
        return FU_FIELD_BOOL;
    case FU_TYPE_INTEGER:
        return FU_FIELD_INT;
    case FU_TYPE_ENUM:
        return FU_FIELD_ENUM;
    default:
        return 0;
    }
}

} // namespace

const tagFUFieldInfo* FUCatalogueAt(const tagFUKindTables& kind, int position) {
    return position >= 0 && position < kind.nFieldCount ? &kind.pFields[position] : nullptr;
}

const tagFUFieldInfo* FUCatalogueFind(const tagFUKindTables& kind, int key) {
    for (int i = 0; i < kind.nFieldCount; ++i)
        if (kind.pFields[i].nKey == key)
            return &kind.pFields[i];
    return nullptr;
}

void* FUFieldAt(void* record, const tagFUKindTables& kind, int key, int access) {
    if (!record)
        return nullptr;
    for (int i = 0; i < kind.nSlotCount; ++i)
        if (kind.pSlots[i].nKey == key)
            return kind.pSlots[i].nAccess == access
                       ? static_cast<char*>(record) + kind.pSlots[i].nOffset
                       : nullptr;
    return nullptr;
}

bool FUApplyUpdate(void* record, const tagFUKindTables& kind, const tagFUFieldUpdate* def) {
    if (!record || !def)
        return false;
    const tagFUFieldInfo* row = FUCatalogueFind(kind, def->nFieldKey);
    if (!row)
        return false;
    void* field = FUFieldAt(record, kind, row->nKey, AccessOf(row->nType));
    if (!field)
        return false;
    switch (row->nType) {
    case FU_TYPE_STRING:
        return CxVXCommonUtil::UpdateTextValue(static_cast<char*>(field), row->nMaxLen, def);
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME:
        return CxVXCommonUtil::UpdateDateValue(static_cast<double*>(field), def);
    case FU_TYPE_BOOLEAN:
        return CxVXCommonUtil::UpdateBoolValue(static_cast<uint8_t*>(field), def);
    default: // Integer and Enumeration
        return CxVXCommonUtil::UpdateIntValue(static_cast<int32_t*>(field), def);
    }
}
