// Heap helpers of the common-record storage (see CxCommRecMgr.h): user data is
// freed only when the record owns it (size > 0).
#pragma once
#include <cstdint>
#include <cstdlib>

// A fresh copy of `size` bytes at `data`, or null when there is nothing to
// own or no memory.
void* CommCopyUserData(const void* data, int size);
void CommFreeUserData(void* data, int size);

template <class Rec> void CommFreeRec(Rec* rec) {
    CommFreeUserData(rec->pUserData, rec->nUserDataSize);
    std::free(rec);
}

// Copies a default key list into a manager's fixed key array.
void CommSetKeys(int32_t* keys, int32_t* count, int capacity, const int32_t* source, int n);
