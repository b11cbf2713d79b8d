// Storage shared by the four common-record managers: records live on the C
// heap in a CxList and take their user data with them only when they own it
// (nUserDataSize > 0); a mere link (size 0) is copied as a pointer and never freed.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "common/misc/CxList.h"

// A fresh copy of `size` bytes at `data`, or null when there is nothing to
// own or no memory.
void* CommCopyUserData(const void* data, int size);
void CommFreeUserData(void* data, int size);

template <class Rec> void CommFreeRec(Rec* rec) {
    CommFreeUserData(rec->pUserData, rec->nUserDataSize);
    std::free(rec);
}

template <class Rec> Rec* CommStoreAdd(CxList* list, const Rec* rec) {
    if (!list || !rec)
        return nullptr;
    Rec* copy = static_cast<Rec*>(std::malloc(sizeof(Rec)));
    if (!copy)
        return nullptr;
    std::memcpy(copy, rec, sizeof(Rec));
    if (rec->nUserDataSize > 0) {
        copy->pUserData = CommCopyUserData(rec->pUserData, rec->nUserDataSize);
        if (!copy->pUserData && rec->pUserData) {
            std::free(copy);
            return nullptr;
        }
    }
    if (!list->Add(copy)) {
        CommFreeRec(copy);
        return nullptr;
    }
    return copy;
}

// Only a record the list holds is freed: anything else is not ours.
template <class Rec> void CommStoreDel(CxList* list, Rec* rec) {
    if (!list || !rec || !list->Remove(rec))
        return;
    CommFreeRec(rec);
}

template <class Rec> void CommStoreClear(CxList* list) {
    if (!list)
        return;
    for (void* p = list->GetFirst(); p; p = list->GetNext())
        CommFreeRec(static_cast<Rec*>(p));
    list->RemoveAll(false);
}

template <class Rec> Rec* CommStoreFirst(CxList* list) {
    return list ? static_cast<Rec*>(list->GetFirst()) : nullptr;
}

template <class Rec> Rec* CommStoreNext(CxList* list) {
    return list ? static_cast<Rec*>(list->GetNext()) : nullptr;
}

// Copies a default key list into a manager's fixed key array.
void CommSetKeys(int32_t* keys, int32_t* count, int capacity, const int32_t* source, int n);
