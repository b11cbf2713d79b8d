#include "VxApply.h"

#include <cstring>
#include <string>
#include <vector>

#include "common/misc/CxList.h"
#include "wizard/update/VxTemplate.h"
#include "wizard/update/Vxlnkind.h"
#include "wizard/update/VxTextEdit.h"
#include "wizard/update/VxValueTable.h"

namespace {

// What the record held before this run touched it.
struct tagLoaded {
    std::vector<std::string> built; // the texts of the templates, by definition
    std::vector<char> usable;       // ... for those that parse
    const tagFUValueRow* pRow = nullptr;
};

void Count(FUCutCounts* cuts, int key, FUStoreResult result) {
    if (cuts && result == FU_STORE_CUT)
        ++(*cuts)[key];
}

const tagFUFieldUpdate* At(CxList& definitions, uint32_t i) {
    return static_cast<const tagFUFieldUpdate*>(definitions.GetAt(i));
}

tagLoaded ReadLoaded(const void* record, const tagFUKindFields& kind, CxList& definitions,
                     const CxFUValueTable* values) {
    tagLoaded loaded;
    bool fromFile = false;
    const uint32_t count = definitions.GetCount();
    loaded.built.resize(count);
    loaded.usable.resize(count, 0);
    std::vector<tagFUTemplatePart> parts;
    std::string why;
    for (uint32_t i = 0; i < count; ++i) {
        const tagFUFieldUpdate* def = At(definitions, i);
        if (def && def->nOperation == FU_OP_TEMPLATE &&
            FUParseTemplate(FUDefinitionText(def->szValue), kind, &parts, &why)) {
            loaded.built[i] = FUBuildTemplate(record, kind, parts);
            loaded.usable[i] = 1;
        }
        fromFile = fromFile || (def && def->nOperation == FU_OP_FROM_FILE);
    }
    const tagFUFieldInfo* keyRow = values ? FUCatalogueFind(kind, values->GetKeyField()) : nullptr;
    if (fromFile && keyRow) {
        const long row = values->FindRow(FUFieldValueText(record, kind, *keyRow));
        loaded.pRow = row < 0 ? nullptr : &values->GetRow(static_cast<std::size_t>(row));
    }
    return loaded;
}

void SetCell(void* field, const tagFUFieldInfo& row, const tagFUCell& cell, FUCutCounts* cuts) {
    const bool clear = cell.nState == FU_CELL_CLEAR;
    switch (row.nType) {
    case FU_TYPE_STRING:
        Count(cuts, row.nKey,
              FUStoreText(static_cast<char*>(field), row.nMaxLen, clear ? "" : cell.text));
        break;
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME: {
        const double value = clear ? 0.0 : cell.dtValue;
        std::memcpy(field, &value, sizeof value);
        break;
    }
    case FU_TYPE_BOOLEAN:
        *static_cast<uint8_t*>(field) = cell.bValue;
        break;
    case FU_TYPE_INTEGER:
    case FU_TYPE_ENUM:
        std::memcpy(field, &cell.nValue, sizeof cell.nValue);
        break;
    default:
        break;
    }
}

void FromFile(void* record, const tagFUKindFields& kind, const tagFUFieldUpdate& def,
              const tagFUValueRow* row, FUCutCounts* cuts) {
    const tagFUFieldInfo* info = FUCatalogueFind(kind, def.nFieldKey);
    void* field = FUFieldOf(record, kind, def.nFieldKey);
    if (!row || !info || !field || def.nPosition < 0 ||
        static_cast<std::size_t>(def.nPosition) >= row->cells.size())
        return;
    const tagFUCell& cell = row->cells[static_cast<std::size_t>(def.nPosition)];
    if (cell.nState != FU_CELL_EMPTY)
        SetCell(field, *info, cell, cuts);
}

// A text operation, its result cut to the field and counted.
void EditText(void* record, const tagFUKindFields& kind, const tagFUFieldUpdate& def,
              const std::string* built, FUCutCounts* cuts) {
    const tagFUFieldInfo* info = FUCatalogueFind(kind, def.nFieldKey);
    char* field = static_cast<char*>(FUFieldAt(record, kind, def.nFieldKey, FU_FIELD_TEXT));
    if (!info || !field || info->nMaxLen <= 0)
        return;
    const std::size_t size = static_cast<std::size_t>(info->nMaxLen);
    const std::string text =
        built ? *built : FUEditText(std::string(field, strnlen(field, size)), def);
    Count(cuts, def.nFieldKey, FUStoreText(field, info->nMaxLen, text));
}

} // namespace

void FUApplyDefinitions(void* record, const tagFUKindFields& kind, CxList& definitions,
                        const CxFUValueTable* values, FUCutCounts* cuts) {
    if (!record)
        return;
    const tagLoaded loaded = ReadLoaded(record, kind, definitions, values);
    const uint32_t count = definitions.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        const tagFUFieldUpdate* def = At(definitions, i);
        if (!def)
            continue;
        const tagFUFieldInfo* info = FUCatalogueFind(kind, def->nFieldKey);
        if (def->nOperation == FU_OP_FROM_FILE)
            FromFile(record, kind, *def, loaded.pRow, cuts);
        else if (def->nOperation == FU_OP_TEMPLATE && info && info->nType == FU_TYPE_STRING) {
            if (loaded.usable[i])
                EditText(record, kind, *def, &loaded.built[i], cuts);
        } else if (info && info->nType == FU_TYPE_STRING)
            EditText(record, kind, *def, nullptr, cuts);
        else
            FUApplyUpdate(record, kind, def);
    }
}
