#include "Vxlnkind.h"

#include "wizard/update/VxKeyText.h"

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

const tagFUKindField* Find(const tagFUKindFields& kind, int key) {
    for (int i = 0; i < kind.nCount; ++i)
        if (kind.pFields[i].row.nKey == key)
            return &kind.pFields[i];
    return nullptr;
}

} // namespace

const tagFUFieldInfo* FUCatalogueAt(const tagFUKindFields& kind, int position) {
    return position >= 0 && position < kind.nCount ? &kind.pFields[position].row : nullptr;
}

const tagFUFieldInfo* FUCatalogueFind(const tagFUKindFields& kind, int key) {
    const tagFUKindField* field = Find(kind, key);
    return field ? &field->row : nullptr;
}

const tagFUFieldInfo* FUCatalogueFindName(const tagFUKindFields& kind, const std::string& name) {
    for (int i = 0; i < kind.nCount; ++i)
        if (FUSameKey(name, kind.pFields[i].row.szName))
            return &kind.pFields[i].row;
    return nullptr;
}

void* FUFieldAt(void* record, const tagFUKindFields& kind, int key, int access) {
    const tagFUKindField* field = record ? Find(kind, key) : nullptr;
    if (!field || AccessOf(field->row.nType) != access)
        return nullptr;
    return static_cast<char*>(record) + field->nOffset;
}

void* FUFieldOf(void* record, const tagFUKindFields& kind, int key) {
    const tagFUKindField* field = record ? Find(kind, key) : nullptr;
    return field ? static_cast<char*>(record) + field->nOffset : nullptr;
}

bool FUApplyUpdate(void* record, const tagFUKindFields& kind, const tagFUFieldUpdate* def) {
    const tagFUKindField* field = record && def ? Find(kind, def->nFieldKey) : nullptr;
    if (!field)
        return false;
    void* value = static_cast<char*>(record) + field->nOffset;
    switch (field->row.nType) {
    case FU_TYPE_STRING:
        return CxVXCommonUtil::UpdateTextValue(static_cast<char*>(value), field->row.nMaxLen, def);
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME:
        return CxVXCommonUtil::UpdateDateValue(static_cast<double*>(value), def);
    case FU_TYPE_BOOLEAN:
        return CxVXCommonUtil::UpdateBoolValue(static_cast<uint8_t*>(value), def);
    case FU_TYPE_INTEGER:
    case FU_TYPE_ENUM:
        return CxVXCommonUtil::UpdateIntValue(static_cast<int32_t*>(value), def);
    default:
        return false;
    }
}
