#include "notesapi/src/ItemList.h"

#include "notesapi/src/Text.h"
#include "notesapi/src/TextListValue.h"

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

Item* FindItem(std::vector<Item>& items, const std::string& name) {
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
    std::vector<std::string> texts;
    if (!ItemTextEntries(item, texts) || texts.empty())
        return false;
    text = texts.front();
    return true;
}

bool ItemTextEntries(const Item& item, std::vector<std::string>& texts) {
    const uint8_t* bytes = Payload(item);
    const size_t size = PayloadSize(item);
    texts.clear();
    if (item.Type() == TYPE_TEXT) {
        texts.emplace_back(reinterpret_cast<const char*>(bytes), size);
        return true;
    }
    std::vector<TextSpan> spans;
    if (item.Type() != TYPE_TEXT_LIST || !ReadTextList(bytes, size, spans))
        return false;
    for (const TextSpan& span : spans)
        texts.emplace_back(reinterpret_cast<const char*>(bytes + span.offset), span.length);
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
