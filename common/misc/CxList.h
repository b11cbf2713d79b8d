// Doubly linked list of untyped pointers with a current position and dense
// node indices 0..count-1. Stores the caller's pointers; frees them (with
// free()) only when asked.
#pragma once
#include <cstdint>

struct CxListNode {
    void* pData;
    uint32_t nIndex;
    CxListNode* pPrev;
    CxListNode* pNext;
};

class CxList {
public:
    CxList();
    ~CxList();
    CxList(const CxList&) = delete;
    CxList& operator=(const CxList&) = delete;

    uint32_t GetCount() const { return m_nCount; }
    void* GetFirst();
    void* GetLast();
    void* GetNext();
    void* GetPrev();
    void* GetAt(uint32_t index);
    bool Add(void* p);
    bool Remove(void* p, bool bFree = false);
    void RemoveAll(bool bFree = false);
    CxListNode* Find(void* p) const;

private:
    CxListNode* m_pHead;
    CxListNode* m_pTail;
    CxListNode* m_pCurr;
    uint32_t m_nCount;
    uint32_t m_nFindIndex;
};
