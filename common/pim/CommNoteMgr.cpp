#include "CommNoteMgr.h"

#include "common/misc/CxList.h"
#include "common/pim/CommRecStore.h"

namespace {
const int32_t kMatchKeys[] = {2};
const int32_t kCompareKeys[] = {3};
} // namespace

CommNoteMgr::CommNoteMgr()
    : m_pRecords(new CxList), m_anMatchKeys(), m_nMatchKeyCount(0), m_anCompareKeys(),
      m_nCompareKeyCount(0) {
    CommSetKeys(m_anMatchKeys, &m_nMatchKeyCount, KEY_CAPACITY, kMatchKeys,
                sizeof(kMatchKeys) / sizeof(kMatchKeys[0]));
    CommSetKeys(m_anCompareKeys, &m_nCompareKeyCount, KEY_CAPACITY, kCompareKeys,
                sizeof(kCompareKeys) / sizeof(kCompareKeys[0]));
}

CommNoteMgr::~CommNoteMgr() {
    Clear();
    delete m_pRecords;
}

void CommNoteMgr::Clear() {
    CommStoreClear<tagCommNoteRec>(m_pRecords);
}

tagCommNoteRec* CommNoteMgr::AddRec(const tagCommNoteRec* record) {
    return CommStoreAdd(m_pRecords, record);
}

void CommNoteMgr::DelRec(tagCommNoteRec* record) {
    CommStoreDel(m_pRecords, record);
}

tagCommNoteRec* CommNoteMgr::GetFirstRec() {
    return CommStoreFirst<tagCommNoteRec>(m_pRecords);
}

tagCommNoteRec* CommNoteMgr::GetNextRec() {
    return CommStoreNext<tagCommNoteRec>(m_pRecords);
}
