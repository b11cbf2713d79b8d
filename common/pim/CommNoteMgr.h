// Holds the common note records of one data object, in the order added.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/pim/CommFieldInfo.h"
#include "common/pim/CommRecords.h"
#ifdef LNACCESS_ENGINE
#include "common/pim/CommMatch.h"
#endif

class CxList;

class CommNoteMgr {
public:
    enum { KEY_CAPACITY = 11 }; // room for every key of the kind

    CommNoteMgr();
    virtual ~CommNoteMgr();
    CommNoteMgr(const CommNoteMgr&) = delete;
    CommNoteMgr& operator=(const CommNoteMgr&) = delete;

    void Clear();
    tagCommNoteRec* AddRec(const tagCommNoteRec* record);
    void DelRec(tagCommNoteRec* record);
    tagCommNoteRec* GetFirstRec();
    tagCommNoteRec* GetNextRec();
    CxList* GetRecords() { return m_pRecords; }
    int GetMatchKeyCount() const { return m_nMatchKeyCount; }
    const int32_t* GetMatchKeys() const { return m_anMatchKeys; }
    int GetCompareKeyCount() const { return m_nCompareKeyCount; }
    const int32_t* GetCompareKeys() const { return m_anCompareKeys; }
#ifdef LNACCESS_ENGINE
    // Record matching and update: the Notes access library's build only.
    // FindRec gives COMM_FIND_PRESENT, _NEW or _CHANGED (with `position`).
    int FindRec(const tagCommNoteRec* record, int* position) const;
    bool IsFieldEqual(int key, const tagCommNoteRec* a, const tagCommNoteRec* b) const;
    // Updates the stored record at `position` from `record`; false past the end.
    bool UpdateRec(int position, const tagCommNoteRec* record);
#endif
#ifndef LNACCESS_ENGINE
    // Catalogue lookup and text forms: the wizard's build only.
    static bool GetCommFieldInfo(int key, tagCommFieldInfo* row);
    static bool GetCommFieldText(const tagCommNoteRec* record, const tagCommFieldInfo* row,
                                 char* buffer, std::size_t size);
#endif

private:
    CxList* m_pRecords;
    int32_t m_anMatchKeys[KEY_CAPACITY];
    int32_t m_nMatchKeyCount;
    int32_t m_anCompareKeys[KEY_CAPACITY];
    int32_t m_nCompareKeyCount;
};
