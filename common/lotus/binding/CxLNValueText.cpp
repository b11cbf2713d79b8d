#include "CxLNValueText.h"

#include <cstring>

#include "common/lotus/binding/CxLNLmbcs.h"

namespace {

WORD ReadWord(const char* p) {
    WORD w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

void AppendWord(std::string* out, WORD w) {
    out->append(reinterpret_cast<const char*>(&w), sizeof w);
}

template <class T> void AppendRaw(std::vector<char>* out, const T& value) {
    const char* bytes = reinterpret_cast<const char*>(&value);
    out->insert(out->end(), bytes, bytes + sizeof value);
}

} // namespace

bool LNSplitTextList(const char* value, std::size_t length, std::vector<std::string>* entries) {
    if (length < sizeof(WORD))
        return false;
    const std::size_t count = ReadWord(value);
    std::size_t at = sizeof(WORD) * (1 + count);
    if (at > length)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t size = ReadWord(value + sizeof(WORD) * (1 + i));
        if (size > length - at)
            return false;
        entries->emplace_back(value + at, size);
        at += size;
    }
    return true;
}

namespace {

std::string JoinList(const std::vector<std::string>& entries) {
    std::string value;
    AppendWord(&value, static_cast<WORD>(entries.size()));
    for (const std::string& e : entries)
        AppendWord(&value, static_cast<WORD>(e.size()));
    for (const std::string& e : entries)
        value += e;
    return value;
}

std::string CutToWord(std::string lmbcs) {
    lmbcs.resize(LNLmbcsCut(lmbcs.data(), lmbcs.size(), MAXWORD));
    return lmbcs;
}

} // namespace

std::string LNValueFromLmbcs(WORD type, const char* value, std::size_t length,
                             std::size_t* replaced) {
    std::vector<std::string> entries;
    if (type == TYPE_TEXT)
        return LNFromLmbcs(value, length, replaced);
    if (type != TYPE_TEXT_LIST || !LNSplitTextList(value, length, &entries))
        return std::string(value, length);
    for (std::string& entry : entries)
        entry = LNFromLmbcs(entry.data(), entry.size(), replaced);
    return JoinList(entries);
}

std::string LNValueToLmbcs(WORD type, const char* value, std::size_t length) {
    std::vector<std::string> entries;
    if (type == TYPE_TEXT)
        return LNToLmbcs(value, length);
    if (type != TYPE_TEXT_LIST || !LNSplitTextList(value, length, &entries))
        return std::string(value, length);
    for (std::string& entry : entries)
        entry = CutToWord(LNToLmbcs(entry));
    return JoinList(entries);
}

std::vector<char> LNSummaryFromLmbcs(const ITEM_TABLE* summary, std::size_t* replaced) {
    const char* bytes = reinterpret_cast<const char*>(summary);
    ITEM_TABLE table;
    std::memcpy(&table, bytes, sizeof table);
    std::vector<ITEM> items;
    std::vector<std::string> names, values;
    std::size_t at = sizeof table + table.Items * sizeof(ITEM);
    for (std::size_t i = 0; i < table.Items && at <= table.Length; ++i) {
        ITEM item;
        std::memcpy(&item, bytes + sizeof table + i * sizeof item, sizeof item);
        if (static_cast<std::size_t>(item.NameLength) + item.ValueLength > table.Length - at)
            break;
        const char* value = bytes + at + item.NameLength;
        names.push_back(LNFromLmbcs(bytes + at, item.NameLength, replaced));
        values.emplace_back(value,
                            item.ValueLength < sizeof(WORD) ? item.ValueLength : sizeof(WORD));
        if (item.ValueLength >= sizeof(WORD))
            values.back() += LNValueFromLmbcs(ReadWord(value), value + sizeof(WORD),
                                              item.ValueLength - sizeof(WORD), replaced);
        at += item.NameLength + static_cast<std::size_t>(item.ValueLength);
    }
    std::vector<char> out;
    ITEM_TABLE head = table;
    head.Items = static_cast<USHORT>(names.size());
    AppendRaw(&out, head);
    for (std::size_t i = 0; i < names.size(); ++i) {
        ITEM item;
        item.NameLength = static_cast<USHORT>(names[i].size());
        item.ValueLength = static_cast<USHORT>(values[i].size());
        AppendRaw(&out, item);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        out.insert(out.end(), names[i].begin(), names[i].end());
        out.insert(out.end(), values[i].begin(), values[i].end());
    }
    const USHORT length = static_cast<USHORT>(out.size());
    std::memcpy(out.data(), &length, sizeof length);
    return out;
}
