// Small builders shared by the engine suites.
#pragma once
#include <cstdlib>
#include <cstring>

#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "wizard/update/Vxcommon.h"

inline tagFUFieldUpdate NewDefinition(int key) {
    tagFUFieldUpdate def;
    std::memset(&def, 0, sizeof def);
    def.nFieldKey = key;
    return def;
}

inline tagFUFieldUpdate TextDefinition(int key, int operation, const char* value,
                                       const char* find = "", int position = 0) {
    tagFUFieldUpdate def = NewDefinition(key);
    def.nOperation = operation;
    CxStrCopy(def.szValue, value);
    CxStrCopy(def.szFind, find);
    def.nPosition = position;
    return def;
}

// Definitions owned by the list, as UpdateDefinitions owns them.
struct Definitions {
    ~Definitions() { list.RemoveAll(true); }
    void Add(const tagFUFieldUpdate& def) {
        auto* copy = static_cast<tagFUFieldUpdate*>(std::malloc(sizeof def));
        *copy = def;
        list.Add(copy);
    }
    CxList list;
};
