// The selected records as the update walks them: the Notes record behind
// each entry of SelectedRecords, the record itself when it is in memory or a
// copy read from its store, which becomes the record only when kept. So an
// update of any number of records holds one record at a time.
#pragma once
#include <cstdint>
#include <memory>

#include "common/lotus/exchange/CxLNRecStore.h"
#include "common/misc/CxList.h"
#include "wizard/controller/WizardController.h"

struct tagLNHeld;

// `fn(index, rec, copied)` for each entry of `selected` in order, from entry
// `from` on and at most `count` of them; `rec` is null for an entry without a
// Notes record or whose record can not be read. A copy (`copied`) that `fn`
// returns true for is kept as the record.
template <class Util, class Fn>
void ForEachSelectedRec(Util* util, CxList* selected, Fn fn, uint32_t from = 0,
                        uint32_t count = UINT32_MAX) {
    typedef tagKindCommRec<Util> Comm;
    typedef typename Util::Rec Rec;
    if (!util || !selected)
        return;
    CxLNRecStore* store = util->GetRecStore();
    std::unique_ptr<Rec> copy;
    uint32_t next = 0;
    selected->ForEachHeld([&](void* element, const void* key) {
        const uint32_t index = next++;
        // Entries outside the range are passed without reading them.
        if (index < from || index - from >= count)
            return;
        if (element || !key) {
            const Comm* common = static_cast<const Comm*>(element);
            fn(index, common ? static_cast<Rec*>(common->pUserData) : nullptr, false);
            return;
        }
        if (!copy)
            copy.reset(new Rec);
        const bool read = store->ReadRec(key, copy.get());
        if (fn(index, read ? copy.get() : nullptr, read) && read)
            store->KeepRec(key, copy.get());
    });
}

// Why a record of the current kind could not be read again from the
// exchange file it was loaded from; empty when every read held.
std::string SelectedRecordsDamage(const CxWizardController& controller);

// Appends the loaded record of `held` (of the current kind) to
// SelectedRecords without making it.
bool SelectHeld(CxWizardController& controller, const tagLNHeld& held);
