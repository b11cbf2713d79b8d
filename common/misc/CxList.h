// Doubly linked list of untyped pointers with a current position and dense
// node indices 0..count-1. Stores the caller's pointers; frees them (with
// free()) only when asked.
//
// A node may instead hold a key (AddKey) whose element the list's source
// makes when the element is first asked for, so a list can count and keep
// its place among records that are not in memory yet. Every element call
// (GetFirst, GetAt, ...) makes it; ForEachHeld looks without making.
#pragma once
#include <cstddef>
#include <cstdint>

// Makes the elements of a list's keyed nodes. A key stands for one element
// in every list that holds it.
class ICxListSource {
public:
    // The element of `key`, made on the first call and the same one after;
    // null when it can not be made or was removed.
    virtual void* MakeElement(const void* key) = 0;
    // The element when it was made, null otherwise; makes nothing.
    virtual void* MadeElement(const void* key) const = 0;
    // What MakeElement would give, copied into `out` (ElementSize() bytes)
    // without keeping anything; false when it can not be read.
    virtual bool CopyElement(const void* key, void* out) const = 0;
    virtual std::size_t ElementSize() const = 0;
    // A keyed node left the list through Remove.
    virtual void ElementRemoved(const void* key) = 0;

protected:
    ~ICxListSource() = default;
};

struct CxListNode {
    void* pData; // the element, or the key of a keyed node
    uint32_t nIndex;
    uint32_t bKeyed; // in what would be padding: the node stays as large
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

    // Keyed nodes: their elements come from `source`, which outlives them.
    void SetSource(ICxListSource* source) { m_pSource = source; }
    ICxListSource* GetSource() const { return m_pSource; }
    // Appends a node for `key` (not null); the source must be set.
    bool AddKey(const void* key);
    // Removes the first node that holds `key`, made or not; the source hears of it.
    bool RemoveKey(const void* key);
    // Each node in order as held: `fn(element, key)` gets the element of a
    // plain node (key null), or the key of a keyed node and its element only
    // when it was made. Makes nothing and leaves the current position.
    template <class Fn> void ForEachHeld(Fn fn) const {
        for (const CxListNode* node = m_pHead; node; node = node->pNext) {
            if (node->bKeyed)
                fn(m_pSource->MadeElement(node->pData), static_cast<const void*>(node->pData));
            else
                fn(node->pData, static_cast<const void*>(nullptr));
        }
    }

private:
    void* Element_(CxListNode* node);
    void Unlink_(CxListNode* node);

    CxListNode* m_pHead;
    CxListNode* m_pTail;
    CxListNode* m_pCurr;
    uint32_t m_nCount;
    uint32_t m_nFindIndex;
    ICxListSource* m_pSource = nullptr;
};
