#include "CommDateMgr.h"

namespace {
const int32_t kMatchKeys[] = {1, 2, 3, 13};
const int32_t kCompareKeys[] = {9};
} // namespace

CommDateMgr::CommDateMgr() : CommRecMgr(kMatchKeys, kCompareKeys) {}
