// A field update definition of the update engine, for the round-trip tests.
#pragma once
#include "common/misc/CxString.h"
#include "wizard/update/Vxcommon.h"

inline tagFUFieldUpdate FieldUpdate(int key, int op, const char* value) {
    tagFUFieldUpdate def{};
    def.nFieldKey = key;
    def.nOperation = op;
    CxStrCopy(def.szValue, value);
    return def;
}
