// Holds the common contact records of one data object, in the order added.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/pim/CommFieldInfo.h"
#include "common/pim/CommRecords.h"
#ifdef LNACCESS_ENGINE
#include "common/pim/CommMatch.h"
#endif

class CxList;

class CommAddrMgr {
public:
    enum { KEY_CAPACITY = 90 }; // room for every key of the kind

    CommAddrMgr();
    ~CommAddrMgr();
    CommAddrMgr(const CommAddrMgr&) = delete;
    CommAddrMgr& operator=(const CommAddrMgr&) = delete;

    void Clear();
    tagCommAddrRec* AddRec(const tagCommAddrRec* record);
    void DelRec(tagCommAddrRec* record);
    tagCommAddrRec* GetFirstRec();
    tagCommAddrRec* GetNextRec();
    CxList* GetRecords() { return m_pRecords; }
    int GetMatchKeyCount() const { return m_nMatchKeyCount; }
    const int32_t* GetMatchKeys() const { return m_anMatchKeys; }
    int GetCompareKeyCount() const { return m_nCompareKeyCount; }
    const int32_t* GetCompareKeys() const { return m_anCompareKeys; }
    // Whether empty texts of another record overwrite filled ones on update.
    bool GetCopyEmpty() const { return m_bCopyEmpty; }
    void SetCopyEmpty(bool on) { m_bCopyEmpty = on; }
    // Whether texts compare with regard to letter case when records are matched.
    bool GetMatchCase() const { return m_bMatchCase; }
    void SetMatchCase(bool on) { m_bMatchCase = on; }
#ifdef LNACCESS_ENGINE
    // Record matching and update: the Notes access library's build only.
    // FindRec gives COMM_FIND_PRESENT, _NEW or _CHANGED (with `position`).
    int FindRec(const tagCommAddrRec* record, int* position) const;
    bool IsFieldEqual(int key, const tagCommAddrRec* a, const tagCommAddrRec* b) const;
    // Updates the stored record at `position` from `record`; false past the end.
    bool UpdateRec(int position, const tagCommAddrRec* record);
#endif
#ifndef LNACCESS_ENGINE
    // Catalogue lookup and text forms: the wizard's build only.
    static bool GetCommFieldInfo(int key, tagCommFieldInfo* row);
    static bool GetCommFieldText(const tagCommAddrRec* record, const tagCommFieldInfo* row,
                                 char* buffer, std::size_t size);
#endif

private:
    CxList* m_pRecords;
    int32_t m_anMatchKeys[KEY_CAPACITY];
    int32_t m_nMatchKeyCount;
    int32_t m_anCompareKeys[KEY_CAPACITY];
    int32_t m_nCompareKeyCount;
    bool m_bCopyEmpty;
    bool m_bMatchCase = false; // the same in both builds, so the layout is too
};
