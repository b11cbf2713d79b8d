#include "CommTaskMgr.h"

namespace {
const int32_t kMatchKeys[] = {0};
const int32_t kCompareKeys[] = {2, 4, 0, 0};
} // namespace

CommTaskMgr::CommTaskMgr() : CommRecMgr(kMatchKeys, kCompareKeys) {}

CommTaskMgr::~CommTaskMgr() = default;
