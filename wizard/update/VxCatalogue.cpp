#include "VxCatalogue.h"

const tagFUFieldInfo* FUCatalogueAt(const tagFUFieldInfo* rows, int count, int position) {
    return position >= 0 && position < count ? &rows[position] : nullptr;
}

const tagFUFieldInfo* FUCatalogueFind(const tagFUFieldInfo* rows, int count, int key) {
    for (int i = 0; i < count; ++i)
        if (rows[i].nKey == key)
            return &rows[i];
    return nullptr;
}
