// How the front ends walk and pass on loaded records without making them:
// an entry of a record list is either a record in memory or the key of one
// that its store keeps (CxLNRecStore), and what refers to records (the
// selection) keeps the same entries.
#pragma once
#include <vector>

#include "common/lotus/exchange/CxLNRecStore.h"
#include "common/misc/CxList.h"

struct tagLNHeld {
    void* pElement;   // the record in memory (a keyed one once made), else null
    const void* pKey; // its key in the store; null for a record the list holds itself
};

// The entries of `list` in order; makes nothing.
inline std::vector<tagLNHeld> LNHeldEntries(const CxList* list) {
    std::vector<tagLNHeld> entries;
    if (!list)
        return entries;
    entries.reserve(list->GetCount());
    list->ForEachHeld([&entries](void* element, const void* key) {
        entries.push_back({element, key});
    });
    return entries;
}

// Appends `held` to `list`, which refers to the common records of `store`
// without owning them.
inline bool LNAddHeld(CxList* list, CxLNRecStore* store, const tagLNHeld& held) {
    if (!held.pKey)
        return list->Add(held.pElement);
    list->SetSource(store->RefSource());
    return list->AddKey(held.pKey);
}

// The record of `held` to read: its element, or a copy read into `copy`
// (room for the source's elements); null when it can not be read.
inline const void* LNReadHeld(ICxListSource* source, const tagLNHeld& held, void* copy) {
    if (held.pElement || !held.pKey)
        return held.pElement;
    const void* made = source->MadeElement(held.pKey);
    if (made)
        return made;
    return source->CopyElement(held.pKey, copy) ? copy : nullptr;
}
