// The contact catalogue: one row per key 1 to 90 with the field's type code
// and width, where it lies in tagCommAddrRec, its text form and how it compares.
#pragma once
#include "common/pim/CommFieldTable.h"

extern const tagCommFieldRow g_aCommAddrFields[];
extern const int g_nCommAddrFieldCount;
extern const tagCommFieldTable kCommAddrFields;
