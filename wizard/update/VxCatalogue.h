// Lookups shared by the three updatable-field catalogues.
#pragma once
#include "wizard/update/Vxcommon.h"

// The row at `position` in table order; null outside 0..count-1.
const tagFUFieldInfo* FUCatalogueAt(const tagFUFieldInfo* rows, int count, int position);
// The first row in table order with `key`; null when none has it.
const tagFUFieldInfo* FUCatalogueFind(const tagFUFieldInfo* rows, int count, int key);

// A row whose description is its name and that has no enumeration entries.
#define FU_ROW(key, type, name, maxLen)                                                            \
    {                                                                                              \
        key, type, name, name, maxLen, 0, {}, {}                                                   \
    }
