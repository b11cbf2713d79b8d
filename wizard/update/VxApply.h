// One definition applied to one Notes record, and the change mark; the same
// for every kind, each engine giving its catalogue and field accessors.
#pragma once
#include "common/lotus/exchange/CxLNRecords.h"
#include "wizard/update/Vxcommon.h"

template <class Engine>
bool FUApplyUpdate(typename Engine::Record* record, const tagFUFieldUpdate* def) {
    if (!record || !def)
        return false;
    const tagFUFieldInfo* row = Engine::FindUpdateField(def->nFieldKey);
    if (!row)
        return false;
    const int key = row->nKey;
    switch (row->nType) {
    case FU_TYPE_STRING: {
        char* field = Engine::GetTextField(record, key);
        return field && CxVXCommonUtil::UpdateTextValue(field, row->nMaxLen, def);
    }
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME: {
        double* field = Engine::GetDateField(record, key);
        return field && CxVXCommonUtil::UpdateDateValue(field, def);
    }
    case FU_TYPE_BOOLEAN: {
        uint8_t* field = Engine::GetBoolField(record, key);
        return field && CxVXCommonUtil::UpdateBoolValue(field, def);
    }
    case FU_TYPE_INTEGER: {
        int32_t* field = Engine::GetIntField(record, key);
        return field && CxVXCommonUtil::UpdateIntValue(field, def);
    }
    case FU_TYPE_ENUM: {
        int32_t* field = Engine::GetEnumField(record, key);
        return field && CxVXCommonUtil::UpdateIntValue(field, def);
    }
    default:
        return false;
    }
}

template <class Record> bool FUMarkChanged(Record* record) {
    if (!record)
        return false;
    record->nAction = LN_ACTION_WRITE;
    record->nOrigin = LN_ORIGIN_MODIFIED;
    return true;
}
