// The contact catalogue with the place of each field in tagCommAddrRec.
#pragma once
#include <cstddef>

#include "common/pim/CommFieldInfo.h"

struct tagCommAddrField {
    tagCommFieldInfo info;
    std::size_t nOffset;
};

extern const tagCommAddrField g_aCommAddrFields[];
extern const int g_nCommAddrFieldCount;

// The field of `key`, null when none has it.
const tagCommAddrField* FindCommAddrField(int key);
