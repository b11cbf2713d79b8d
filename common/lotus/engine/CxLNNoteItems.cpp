#include "CxLNNoteItems.h"

#include <cstring>
#include <strings.h>

#include "common/lotus/binding/CxLNApi.h"

namespace {

STATUS LNCALLBACK Collect(WORD, WORD flags, char* name, WORD nameLength, void* value,
                          DWORD valueLength, void* context) {
    if (!name || !value || valueLength < sizeof(WORD))
        return NOERROR;
    tagLNRawItem item;
    item.sName.assign(name, nameLength);
    item.nFlags = flags;
    std::memcpy(&item.nType, value, sizeof item.nType);
    item.sValue.assign(static_cast<const char*>(value) + sizeof(WORD), valueLength - sizeof(WORD));
    static_cast<LNRawItems*>(context)->push_back(std::move(item));
    return NOERROR;
}

bool Same(const tagLNRawItem& a, const tagLNRawItem& b) {
    return a.nType == b.nType && a.sValue == b.sValue;
}

} // namespace

const tagLNRawItem* LNFindItem(const LNRawItems& items, const std::string& name) {
    for (const tagLNRawItem& item : items)
        if (strcasecmp(item.sName.c_str(), name.c_str()) == 0)
            return &item;
    return nullptr;
}

// As stored, in LMBCS: the pictures must give back exactly what was there.
LNRawItems LNReadNoteItems(NOTEHANDLE note) {
    LNRawItems items;
    LNStoredApi().NSFItemScan(note, Collect, &items);
    return items;
}

std::vector<tagLNItemChange> LNItemChanges(const LNRawItems& before, const LNRawItems& after) {
    std::vector<tagLNItemChange> changes;
    for (const tagLNRawItem& now : after) {
        const tagLNRawItem* old = LNFindItem(before, now.sName);
        if (!old || !Same(*old, now))
            changes.push_back({old, &now});
    }
    for (const tagLNRawItem& old : before)
        if (!LNFindItem(after, old.sName))
            changes.push_back({&old, nullptr});
    return changes;
}
