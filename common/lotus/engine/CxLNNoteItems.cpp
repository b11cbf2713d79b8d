#include "CxLNNoteItems.h"

#include <cctype>
#include <cstdint>
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

// A name folded byte by byte as strcasecmp folds it (up to its first zero)
// and hashed: names equal without regard to case have equal keys, so a
// search through a document's items compares numbers first.
uint64_t NameKey(const std::string& name) {
    uint64_t key = 14695981039346656037ull;
    for (const char c : name) {
        if (c == '\0')
            break;
        key = (key ^ static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)))) *
              1099511628211ull;
    }
    return key;
}

// One picture's items with the keys of their names.
struct tagKeyedItems {
    explicit tagKeyedItems(const LNRawItems& all) : items(all) {
        keys.reserve(items.size());
        for (const tagLNRawItem& item : items)
            keys.push_back(NameKey(item.sName));
    }
    // The first item named as `wanted`, as LNFindItem finds it.
    const tagLNRawItem* Find(const tagLNRawItem& wanted, uint64_t key) const {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (keys[i] == key && strcasecmp(items[i].sName.c_str(), wanted.sName.c_str()) == 0)
                return &items[i];
        return nullptr;
    }

    const LNRawItems& items;
    std::vector<uint64_t> keys;
};

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

// Each side's items are looked up by the other's names: a document of a few
// dozen items makes some thousand comparisons, of numbers rather than names.
std::vector<tagLNItemChange> LNItemChanges(const LNRawItems& before, const LNRawItems& after) {
    const tagKeyedItems old(before), now(after);
    std::vector<tagLNItemChange> changes;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const tagLNRawItem* was = old.Find(after[i], now.keys[i]);
        if (!was || !Same(*was, after[i]))
            changes.push_back({was, &after[i]});
    }
    for (std::size_t i = 0; i < before.size(); ++i)
        if (!now.Find(before[i], old.keys[i]))
            changes.push_back({&before[i], nullptr});
    return changes;
}
