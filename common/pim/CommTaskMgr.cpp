#include "CommTaskMgr.h"

#include "common/misc/CxList.h"
#include "common/pim/CommRecStore.h"

namespace {
const int32_t kMatchKeys[] = {0};
const int32_t kCompareKeys[] = {2, 4, 0, 0};
} // namespace

CommTaskMgr::CommTaskMgr()
    : m_pRecords(new CxList), m_anMatchKeys(), m_nMatchKeyCount(0), m_anCompareKeys(),
      m_nCompareKeyCount(0) {
    CommSetKeys(m_anMatchKeys, &m_nMatchKeyCount, KEY_CAPACITY, kMatchKeys,
                sizeof(kMatchKeys) / sizeof(kMatchKeys[0]));
    CommSetKeys(m_anCompareKeys, &m_nCompareKeyCount, KEY_CAPACITY, kCompareKeys,
                sizeof(kCompareKeys) / sizeof(kCompareKeys[0]));
}

CommTaskMgr::~CommTaskMgr() {
    Clear();
    delete m_pRecords;
}

void CommTaskMgr::Clear() {
    CommStoreClear<tagCommTaskRec>(m_pRecords);
}

tagCommTaskRec* CommTaskMgr::AddRec(const tagCommTaskRec* record) {
    return CommStoreAdd(m_pRecords, record);
}

void CommTaskMgr::DelRec(tagCommTaskRec* record) {
    CommStoreDel(m_pRecords, record);
}

tagCommTaskRec* CommTaskMgr::GetFirstRec() {
    return CommStoreFirst<tagCommTaskRec>(m_pRecords);
}

tagCommTaskRec* CommTaskMgr::GetNextRec() {
    return CommStoreNext<tagCommTaskRec>(m_pRecords);
}
