// Summary buffers: made for a search, read by NSFGetSummaryValue and
// NSFLocateSummaryValue.
#include "notesapi/src/SummaryBuffer.h"

#include "notesapi/src/ItemList.h"
#include "notesapi/src/Text.h"

#include <cstring>

namespace zns {

namespace {

const size_t kSummaryLimit = 32000;

template <class T> void Append(std::vector<uint8_t>& out, const T& value) {
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

// Where the value of an item of a buffer lies, its type word first.
struct SummaryEntry {
    const uint8_t* value = nullptr;
    size_t valueLength = 0;
};

// The first item of the name; false when there is none or the buffer is
// not whole.
bool FindSummaryItem(const void* buffer, const char* name, SummaryEntry& found) {
    if (!buffer || !name)
        return false;
    const uint8_t* bytes = static_cast<const uint8_t*>(buffer);
    ITEM_TABLE table;
    std::memcpy(&table, bytes, sizeof table);
    size_t at = sizeof table + table.Items * sizeof(ITEM);
    if (at > table.Length)
        return false;
    for (size_t i = 0; i < table.Items; ++i) {
        ITEM item;
        std::memcpy(&item, bytes + sizeof table + i * sizeof item, sizeof item);
        if (item.NameLength + static_cast<size_t>(item.ValueLength) > table.Length - at)
            return false;
        const char* itemName = reinterpret_cast<const char*>(bytes + at);
        if (item.ValueLength >= 2 &&
            EqualNoCase(itemName, item.NameLength, name, std::strlen(name))) {
            found.value = bytes + at + item.NameLength;
            found.valueLength = item.ValueLength;
            return true;
        }
        at += item.NameLength + static_cast<size_t>(item.ValueLength);
    }
    return false;
}

} // namespace

std::vector<uint8_t> MakeSummaryBuffer(const std::vector<Item>& items) {
    std::vector<const Item*> chosen;
    size_t size = sizeof(ITEM_TABLE);
    for (const Item& item : items) {
        const size_t more = sizeof(ITEM) + item.name.size() + item.value.size();
        if (!(item.flags & ITEM_SUMMARY) || item.name.size() > MAXWORD ||
            item.value.size() > MAXWORD)
            continue;
        if (size + more > kSummaryLimit)
            break;
        size += more;
        chosen.push_back(&item);
    }
    std::vector<uint8_t> buffer;
    buffer.reserve(size);
    ITEM_TABLE table;
    table.Length = static_cast<USHORT>(size);
    table.Items = static_cast<USHORT>(chosen.size());
    Append(buffer, table);
    for (const Item* item : chosen) {
        ITEM entry;
        entry.NameLength = static_cast<USHORT>(item->name.size());
        entry.ValueLength = static_cast<USHORT>(item->value.size());
        Append(buffer, entry);
    }
    for (const Item* item : chosen) {
        buffer.insert(buffer.end(), item->name.begin(), item->name.end());
        buffer.insert(buffer.end(), item->value.begin(), item->value.end());
    }
    return buffer;
}

} // namespace zns

BOOL LNPUBLIC NSFGetSummaryValue(const void* SummaryBuffer, const char* Name, char* retValue,
                                 WORD ValueBufferLength) {
    zns::SummaryEntry found;
    if (!zns::FindSummaryItem(SummaryBuffer, Name, found) || !retValue || ValueBufferLength == 0)
        return FALSE;
    zns::Item item;
    item.value.assign(found.value, found.value + found.valueLength);
    std::string text;
    if (!zns::ItemText(item, text))
        return FALSE;
    zns::CopyText(retValue, ValueBufferLength, text);
    return TRUE;
}

BOOL LNPUBLIC NSFLocateSummaryValue(const void* SummaryBuffer, const char* Name,
                                    void* retValuePointer, WORD* retValueLength,
                                    WORD* retDataType) {
    zns::SummaryEntry found;
    if (!zns::FindSummaryItem(SummaryBuffer, Name, found))
        return FALSE;
    if (retValuePointer) {
        const uint8_t* value = found.value + 2;
        std::memcpy(retValuePointer, &value, sizeof value);
    }
    zns::PutIf<WORD>(retValueLength, static_cast<WORD>(found.valueLength - 2));
    zns::PutIf<WORD>(retDataType, zns::GetWord(found.value));
    return TRUE;
}
