#include "CommRecStore.h"

#include <cstring>

void* CommCopyUserData(const void* data, int size) {
    if (!data || size <= 0)
        return nullptr;
    void* copy = std::malloc(static_cast<std::size_t>(size));
    if (copy)
        std::memcpy(copy, data, static_cast<std::size_t>(size));
    return copy;
}

void CommFreeUserData(void* data, int size) {
    if (size > 0)
        std::free(data);
}

void CommSetKeys(int32_t* keys, int32_t* count, int capacity, const int32_t* source, int n) {
    int i = 0;
    for (; i < n && i < capacity; ++i)
        keys[i] = source[i];
    *count = i;
}
