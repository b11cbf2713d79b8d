#include "CommAddrMgr.h"

#include "common/misc/CxList.h"
#include "common/pim/CommRecStore.h"

namespace {
const int32_t kMatchKeys[] = {1, 3, 37};
const int32_t kCompareKeys[] = {24, 25, 26, 37, 34, 35, 53, 55, 13, 11, 12, 10,
                                9,  18, 16, 17, 15, 14, 23, 21, 22, 20, 19, 43};
} // namespace

CommAddrMgr::CommAddrMgr()
    : m_pRecords(new CxList), m_anMatchKeys(), m_nMatchKeyCount(0), m_anCompareKeys(),
      m_nCompareKeyCount(0), m_bCopyEmpty(false) {
    CommSetKeys(m_anMatchKeys, &m_nMatchKeyCount, KEY_CAPACITY, kMatchKeys,
                sizeof(kMatchKeys) / sizeof(kMatchKeys[0]));
    CommSetKeys(m_anCompareKeys, &m_nCompareKeyCount, KEY_CAPACITY, kCompareKeys,
                sizeof(kCompareKeys) / sizeof(kCompareKeys[0]));
}

CommAddrMgr::~CommAddrMgr() {
    Clear();
    delete m_pRecords;
}

void CommAddrMgr::Clear() {
    CommStoreClear<tagCommAddrRec>(m_pRecords);
}

tagCommAddrRec* CommAddrMgr::AddRec(const tagCommAddrRec* record) {
    return CommStoreAdd(m_pRecords, record);
}

void CommAddrMgr::DelRec(tagCommAddrRec* record) {
    CommStoreDel(m_pRecords, record);
}

tagCommAddrRec* CommAddrMgr::GetFirstRec() {
    return CommStoreFirst<tagCommAddrRec>(m_pRecords);
}

tagCommAddrRec* CommAddrMgr::GetNextRec() {
    return CommStoreNext<tagCommAddrRec>(m_pRecords);
}
