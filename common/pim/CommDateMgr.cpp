#include "CommDateMgr.h"

#include "common/misc/CxList.h"
#include "common/pim/CommRecStore.h"

namespace {
const int32_t kMatchKeys[] = {1, 2, 3, 13};
const int32_t kCompareKeys[] = {9};
} // namespace

CommDateMgr::CommDateMgr()
    : m_pRecords(new CxList), m_anMatchKeys(), m_nMatchKeyCount(0), m_anCompareKeys(),
      m_nCompareKeyCount(0) {
    CommSetKeys(m_anMatchKeys, &m_nMatchKeyCount, KEY_CAPACITY, kMatchKeys,
                sizeof(kMatchKeys) / sizeof(kMatchKeys[0]));
    CommSetKeys(m_anCompareKeys, &m_nCompareKeyCount, KEY_CAPACITY, kCompareKeys,
                sizeof(kCompareKeys) / sizeof(kCompareKeys[0]));
}

CommDateMgr::~CommDateMgr() {
    Clear();
    delete m_pRecords;
}

void CommDateMgr::Clear() {
    CommStoreClear<tagCommDateRec>(m_pRecords);
}

tagCommDateRec* CommDateMgr::AddRec(const tagCommDateRec* record) {
    return CommStoreAdd(m_pRecords, record);
}

void CommDateMgr::DelRec(tagCommDateRec* record) {
    CommStoreDel(m_pRecords, record);
}

tagCommDateRec* CommDateMgr::GetFirstRec() {
    return CommStoreFirst<tagCommDateRec>(m_pRecords);
}

tagCommDateRec* CommDateMgr::GetNextRec() {
    return CommStoreNext<tagCommDateRec>(m_pRecords);
}
