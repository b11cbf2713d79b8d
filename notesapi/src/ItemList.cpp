#include "notesapi/src/ItemList.h"

#include "notesapi/src/Text.h"

#include <algorithm>
#include <cstring>

namespace zns {

WORD Item::Type() const {
    return value.size() >= 2 ? GetWord(value.data()) : 0;
}

Item MakeItem(const std::string& name, WORD flags, WORD type, const void* value, size_t length) {
    Item item;
    item.name = name;
    item.flags = flags;
    item.value.reserve(length + 2);
    PutWord(item.value, type);
    const uint8_t* bytes = static_cast<const uint8_t*>(value);
    if (bytes)
        item.value.insert(item.value.end(), bytes, bytes + length);
    return item;
}

namespace {

auto NamePredicate(const std::string& name) {
    return [&name](const Item& item) { return EqualNoCase(item.name, name); };
}

const uint8_t* Payload(const Item& item) {
    return item.value.data() + 2;
}

size_t PayloadSize(const Item& item) {
    return item.value.size() - 2;
}

} // namespace

const Item* FindItem(const std::vector<Item>& items, const std::string& name) {
    auto it = std::find_if(items.begin(), items.end(), NamePredicate(name));
    return it == items.end() ? nullptr : &*it;
}

void ReplaceItem(std::vector<Item>& items, const Item& item) {
    auto first = std::find_if(items.begin(), items.end(), NamePredicate(item.name));
    if (first == items.end()) {
        items.push_back(item);
        return;
    }
    int64_t row = first->row;
    *first = item;
    first->row = row;
    first->changed = true;
    items.erase(std::remove_if(first + 1, items.end(), NamePredicate(item.name)), items.end());
}

bool DeleteFirstItem(std::vector<Item>& items, const std::string& name) {
    auto it = std::find_if(items.begin(), items.end(), NamePredicate(name));
    if (it == items.end())
        return false;
    items.erase(it);
    return true;
}

bool ItemText(const Item& item, std::string& text) {
    const uint8_t* bytes = Payload(item);
    size_t size = PayloadSize(item);
    if (item.Type() == TYPE_TEXT) {
        text.assign(reinterpret_cast<const char*>(bytes), size);
        return true;
    }
    if (item.Type() != TYPE_TEXT_LIST || size < 4)
        return false;
    WORD count = GetWord(bytes);
    size_t start = 2 + 2 * static_cast<size_t>(count);
    if (count == 0 || start > size)
        return false;
    size_t length = std::min<size_t>(GetWord(bytes + 2), size - start);
    text.assign(reinterpret_cast<const char*>(bytes + start), length);
    return true;
}

bool ItemTime(const Item& item, TIMEDATE& time) {
    if (item.Type() != TYPE_TIME || PayloadSize(item) < 8)
        return false;
    time.Innards[0] = GetDword(Payload(item));
    time.Innards[1] = GetDword(Payload(item) + 4);
    return true;
}

bool ItemNumber(const Item& item, NUMBER& number) {
    if (item.Type() != TYPE_NUMBER || PayloadSize(item) < sizeof number)
        return false;
    std::memcpy(&number, Payload(item), sizeof number);
    return true;
}

} // namespace zns
