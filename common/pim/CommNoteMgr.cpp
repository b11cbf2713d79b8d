#include "CommNoteMgr.h"

namespace {
const int32_t kMatchKeys[] = {2};
const int32_t kCompareKeys[] = {3};
} // namespace

CommNoteMgr::CommNoteMgr() : CommRecMgr(kMatchKeys, kCompareKeys) {}

CommNoteMgr::~CommNoteMgr() = default;
