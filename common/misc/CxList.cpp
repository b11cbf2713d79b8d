#include "CxList.h"

#include <cstdlib>
#include <new>

#include "common/misc/CxAssert.h"

CxList::CxList()
    : m_pHead(nullptr), m_pTail(nullptr), m_pCurr(nullptr), m_nCount(0), m_nFindIndex(0) {}

CxList::~CxList() {
    RemoveAll(false);
}

void* CxList::GetFirst() {
    m_pCurr = m_pHead;
    m_nFindIndex = 0;
    return m_pCurr ? Element_(m_pCurr) : nullptr;
}

void* CxList::GetLast() {
    m_pCurr = m_pTail;
    m_nFindIndex = m_nCount ? m_nCount - 1 : 0;
    return m_pCurr ? Element_(m_pCurr) : nullptr;
}

void* CxList::GetNext() {
    if (m_nCount == 0 || m_nFindIndex >= m_nCount - 1)
        return nullptr;
    return GetAt(m_nFindIndex + 1);
}

void* CxList::GetPrev() {
    if (m_nFindIndex == 0)
        return nullptr;
    return GetAt(m_nFindIndex - 1);
}

void* CxList::GetAt(uint32_t index) {
    if (index >= m_nCount)
        return nullptr;
    // Without a current node (its last holder was removed) the walk starts at the head.
    if (!m_pCurr) {
        m_pCurr = m_pHead;
        m_nFindIndex = 0;
    }
    CX_ASSERT(m_pCurr->nIndex == m_nFindIndex, "m_pCurr->nIndex==m_nFindIndex");
    const bool forward = m_nFindIndex < index;
    for (CxListNode* node = m_pCurr; node; node = forward ? node->pNext : node->pPrev) {
        if (node->nIndex == index) {
            m_pCurr = node;
            m_nFindIndex = index;
            return Element_(node);
        }
    }
    return nullptr;
}

bool CxList::Add(void* p) {
    if (!p)
        return false;
    CxListNode* pContainer = new (std::nothrow) CxListNode;
    CX_ASSERT(pContainer, "pContainer");
    pContainer->pData = p;
    pContainer->nIndex = m_nCount;
    pContainer->bKeyed = 0;
    pContainer->pNext = nullptr;
    pContainer->pPrev = m_pTail;
    if (m_pTail) {
        m_pTail->pNext = pContainer;
        m_nFindIndex = pContainer->nIndex;
    } else {
        m_pHead = pContainer;
    }
    m_pCurr = pContainer;
    m_pTail = pContainer;
    ++m_nCount;
    return true;
}

bool CxList::Remove(void* p, bool bFree) {
    CxListNode* node = Find(p);
    if (!node)
        return false;
    if (node->bKeyed)
        m_pSource->ElementRemoved(node->pData);
    else if (bFree)
        std::free(node->pData);
    Unlink_(node);
    return true;
}

bool CxList::AddKey(const void* key) {
    if (!key || !m_pSource || !Add(const_cast<void*>(key)))
        return false;
    m_pTail->bKeyed = 1;
    return true;
}

bool CxList::RemoveKey(const void* key) {
    for (CxListNode* node = m_pHead; node; node = node->pNext) {
        if (node->bKeyed && node->pData == key) {
            m_pSource->ElementRemoved(key);
            Unlink_(node);
            return true;
        }
    }
    return false;
}

void* CxList::Element_(CxListNode* node) {
    return node->bKeyed ? m_pSource->MakeElement(node->pData) : node->pData;
}

void CxList::Unlink_(CxListNode* node) {
    if (node->pPrev)
        node->pPrev->pNext = node->pNext;
    else
        m_pHead = node->pNext;
    if (node->pNext)
        node->pNext->pPrev = node->pPrev;
    else
        m_pTail = node->pPrev;
    for (CxListNode* after = node->pNext; after; after = after->pNext)
        --after->nIndex;
    m_pCurr = node->pNext;
    m_nFindIndex = node->nIndex;
    --m_nCount;
    delete node;
}

void CxList::RemoveAll(bool bFree) {
    CxListNode* node = m_pHead;
    while (node) {
        CxListNode* next = node->pNext;
        // A keyed node's element is freed only when it was made.
        void* element = node->bKeyed && bFree ? m_pSource->MadeElement(node->pData) : node->pData;
        if (bFree && element)
            std::free(element);
        delete node;
        node = next;
    }
    m_pHead = m_pTail = m_pCurr = nullptr;
    m_nCount = 0;
    m_nFindIndex = 0;
}

CxListNode* CxList::Find(void* p) const {
    for (CxListNode* node = m_pHead; node; node = node->pNext) {
        if (node->bKeyed ? p && m_pSource->MadeElement(node->pData) == p : node->pData == p)
            return node;
    }
    return nullptr;
}
