#include "CommAddrMgr.h"

namespace {
const int32_t kMatchKeys[] = {1, 3, 37};
const int32_t kCompareKeys[] = {24, 25, 26, 37, 34, 35, 53, 55, 13, 11, 12, 10,
                                9,  18, 16, 17, 15, 14, 23, 21, 22, 20, 19, 43};
} // namespace

CommAddrMgr::CommAddrMgr() : CommRecMgr(kMatchKeys, kCompareKeys), m_bCopyEmpty(false) {}
