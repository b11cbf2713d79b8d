// What the four common-record managers share: the records of one data object
// in the order added, the kind's match and compare key lists, and what the
// kind's field table answers (`Fields`): in the wizard's build the catalogue
// lookup and the text forms, in the library's build the record matching. A
// kind names its manager (`Mgr`, whose IsFieldEqual the matching uses), its
// record, the room for its keys and its table.
//
// Records live on the C heap in a CxList and take their user data with them
// only when they own it (nUserDataSize > 0); a mere link (size 0) is copied
// as a pointer and never freed. The list may key records that its source
// makes when they are asked for (CxList::AddKey); those the manager frees
// only once made.
//
// Not polymorphic on purpose: a kind that needs a virtual destructor declares
// its own, the others keep none. The protected destructor stops deletion
// through this base.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "common/misc/CxList.h"
#include "common/pim/CommFieldText.h"
#include "common/pim/CommMatch.h"
#include "common/pim/CommRecStore.h"

template <class Mgr, class Rec, int KeyCapacity, const tagCommFieldTable& Fields>
class CxCommRecMgr {
public:
    enum { KEY_CAPACITY = KeyCapacity }; // room for every key of the kind

    CxCommRecMgr(const CxCommRecMgr&) = delete;
    CxCommRecMgr& operator=(const CxCommRecMgr&) = delete;

    void Clear();
    Rec* AddRec(const Rec* record);
    // A zeroed record the list holds, to be filled where it stays; null when
    // there is no memory.
    Rec* NewRec();
    // Only a record the list holds is freed: anything else is not ours.
    void DelRec(Rec* record);
    Rec* GetFirstRec() { return static_cast<Rec*>(m_pRecords->GetFirst()); }
    Rec* GetNextRec() { return static_cast<Rec*>(m_pRecords->GetNext()); }
    CxList* GetRecords() { return m_pRecords; }
    int GetMatchKeyCount() const { return m_nMatchKeyCount; }
    const int32_t* GetMatchKeys() const { return m_anMatchKeys; }
    int GetCompareKeyCount() const { return m_nCompareKeyCount; }
    const int32_t* GetCompareKeys() const { return m_anCompareKeys; }
#ifdef LNACCESS_ENGINE
    // Record matching and update: the Notes access library's build only.
    // FindRec gives COMM_FIND_PRESENT, _NEW or _CHANGED (with `position`).
    int FindRec(const Rec* record, int* position) const {
        return CommFindRec(static_cast<const Mgr&>(*this), m_pRecords, record, position);
    }
    bool IsFieldEqual(int key, const Rec* a, const Rec* b) const {
        return CommFieldEqual(Fields, key, a, b, 0);
    }
#else
    // Catalogue lookup and text forms: the wizard's build only.
    static bool GetCommFieldInfo(int key, tagCommFieldInfo* row) {
        return CommGetFieldInfo(Fields, key, row);
    }
    static bool GetCommFieldText(const Rec* record, const tagCommFieldInfo* row, char* buffer,
                                 std::size_t size) {
        return CommGetFieldText(Fields, record, row, buffer, size);
    }
#endif

protected:
    // Starts empty with the kind's default key lists.
    template <int M, int C>
    CxCommRecMgr(const int32_t (&matchKeys)[M], const int32_t (&compareKeys)[C]);
    ~CxCommRecMgr();

    CxList* m_pRecords;
    int32_t m_anMatchKeys[KeyCapacity];
    int32_t m_nMatchKeyCount;
    int32_t m_anCompareKeys[KeyCapacity];
    int32_t m_nCompareKeyCount;
};

template <class Mgr, class Rec, int KeyCapacity, const tagCommFieldTable& Fields>
template <int M, int C>
CxCommRecMgr<Mgr, Rec, KeyCapacity, Fields>::CxCommRecMgr(const int32_t (&matchKeys)[M],
                                                          const int32_t (&compareKeys)[C])
    : m_pRecords(new CxList), m_anMatchKeys(), m_nMatchKeyCount(0), m_anCompareKeys(),
      m_nCompareKeyCount(0) {
    static_assert(M <= KeyCapacity && C <= KeyCapacity, "a default key list overflows");
    CommSetKeys(m_anMatchKeys, &m_nMatchKeyCount, KeyCapacity, matchKeys, M);
    CommSetKeys(m_anCompareKeys, &m_nCompareKeyCount, KeyCapacity, compareKeys, C);
}

template <class Mgr, class Rec, int KeyCapacity, const tagCommFieldTable& Fields>
CxCommRecMgr<Mgr, Rec, KeyCapacity, Fields>::~CxCommRecMgr() {
    Clear();
    delete m_pRecords;
}

template <class Mgr, class Rec, int KeyCapacity, const tagCommFieldTable& Fields>
void CxCommRecMgr<Mgr, Rec, KeyCapacity, Fields>::Clear() {
    // Records the list only keys are not in memory: nothing to free.
    m_pRecords->ForEachHeld([](void* p, const void*) {
        if (p)
            CommFreeRec(static_cast<Rec*>(p));
    });
    m_pRecords->RemoveAll(false);
}

template <class Mgr, class Rec, int KeyCapacity, const tagCommFieldTable& Fields>
Rec* CxCommRecMgr<Mgr, Rec, KeyCapacity, Fields>::AddRec(const Rec* record) {
    if (!record)
        return nullptr;
    Rec* copy = static_cast<Rec*>(std::malloc(sizeof(Rec)));
    if (!copy)
        return nullptr;
    std::memcpy(copy, record, sizeof(Rec));
    if (record->nUserDataSize > 0) {
        copy->pUserData = CommCopyUserData(record->pUserData, record->nUserDataSize);
        if (!copy->pUserData && record->pUserData) {
            std::free(copy);
            return nullptr;
        }
    }
    if (!m_pRecords->Add(copy)) {
        CommFreeRec(copy);
        return nullptr;
    }
    return copy;
}

template <class Mgr, class Rec, int KeyCapacity, const tagCommFieldTable& Fields>
Rec* CxCommRecMgr<Mgr, Rec, KeyCapacity, Fields>::NewRec() {
    Rec* record = static_cast<Rec*>(std::calloc(1, sizeof(Rec)));
    if (record && !m_pRecords->Add(record)) {
        std::free(record);
        return nullptr;
    }
    return record;
}

template <class Mgr, class Rec, int KeyCapacity, const tagCommFieldTable& Fields>
void CxCommRecMgr<Mgr, Rec, KeyCapacity, Fields>::DelRec(Rec* record) {
    if (!record || !m_pRecords->Remove(record))
        return;
    CommFreeRec(record);
}
