#include "ItemText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "DumpText.h"
#include "TextEscape.h"
#include "TimeText.h"

namespace {

const char kNameSpecial[] = "\\:[#";
const char kListSpecial[] = "\\\"";

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool Unhex(const std::string& text, std::string* bytes) {
    if (text.size() % 2)
        return false;
    bytes->clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        char pair[3] = {text[i], text[i + 1], 0};
        char* end = nullptr;
        long v = std::strtol(pair, &end, 16);
        if (end != pair + 2 || pair[0] == '-' || pair[0] == '+' || pair[0] == ' ')
            return false;
        *bytes += static_cast<char>(v);
    }
    return true;
}

WORD ReadWord(const std::string& bytes, std::size_t at) {
    WORD w;
    std::memcpy(&w, bytes.data() + at, sizeof w);
    return w;
}

void AppendWord(std::string* bytes, WORD w) {
    bytes->append(reinterpret_cast<const char*>(&w), sizeof w);
}

// The entries of a text list value; false when the value is malformed.
bool SplitList(const std::string& value, std::vector<std::string>* entries) {
    if (value.size() < 2)
        return false;
    std::size_t count = ReadWord(value, 0);
    std::size_t at = 2 + 2 * count;
    if (value.size() < at)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t length = ReadWord(value, 2 + 2 * i);
        if (value.size() - at < length)
            return false;
        entries->push_back(value.substr(at, length));
        at += length;
    }
    return at == value.size();
}

std::string JoinList(const std::vector<std::string>& entries) {
    std::string value;
    AppendWord(&value, static_cast<WORD>(entries.size()));
    for (const std::string& e : entries)
        AppendWord(&value, static_cast<WORD>(e.size()));
    for (const std::string& e : entries)
        value += e;
    return value;
}

std::string FormatNumber(NUMBER n) {
    char text[40];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, n);
        if (std::strtod(text, nullptr) == n)
            break;
    }
    return text; // NaN never compares equal: it ends as "nan"
}

std::string FormatList(const std::string& value, bool* ok) {
    std::vector<std::string> entries;
    *ok = SplitList(value, &entries);
    std::string out = "[list]", text;
    for (const std::string& e : entries) {
        *ok = *ok && DumpKeeps(e, &text);
        out += " \"" + EscapeText(text, kListSpecial) + "\"";
    }
    return out;
}

// The value part of the line; false when the type's own form cannot hold it.
bool FormatTypedValue(const DbItem& item, std::string* out) {
    switch (item.type) {
    case TYPE_TEXT: {
        std::string text;
        if (!DumpKeeps(item.value, &text))
            return false;
        *out = EscapeText(text, ""); // a leading [ only, below
        if (!out->empty() && (*out)[0] == '[')
            out->insert(0, "\\");
        return true;
    }
    case TYPE_TEXT_LIST: {
        bool ok = false;
        *out = FormatList(item.value, &ok);
        return ok;
    }
    case TYPE_NUMBER: {
        if (item.value.size() != sizeof(NUMBER))
            return false;
        NUMBER n;
        std::memcpy(&n, item.value.data(), sizeof n);
        *out = "[number] " + FormatNumber(n);
        return !std::isnan(n); // NaN payloads go as bytes
    }
    case TYPE_TIME: {
        if (item.value.size() != sizeof(TIMEDATE))
            return false;
        TIMEDATE t;
        std::memcpy(&t, item.value.data(), sizeof t);
        *out = "[time] " + FormatTimeDate(t);
        return true;
    }
    case TYPE_COMPOSITE:
        *out = "[richtext] " + Hex(item.value);
        return true;
    default:
        return false;
    }
}

bool ParseList(const std::string& text, std::string* value) {
    std::vector<std::string> entries;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        if (text[i] != '"')
            return false;
        std::string entry;
        ++i;
        if (!UnescapeText(text, &i, "\"", &entry) || i >= text.size())
            return false;
        ++i; // closing quote
        entries.push_back(LmbcsFromDump(entry));
        if (entries.back().size() > 0xffff)
            return false;
    }
    *value = JoinList(entries);
    return entries.size() <= 0xffff;
}

bool ParseNumber(const std::string& text, std::string* value) {
    char* end = nullptr;
    NUMBER n = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || text[0] == ' ')
        return false;
    value->assign(reinterpret_cast<const char*>(&n), sizeof n);
    return true;
}

bool ParseTime(const std::string& text, std::string* value) {
    TIMEDATE t;
    if (!ParseTimeDate(text, &t))
        return false;
    value->assign(reinterpret_cast<const char*>(&t), sizeof t);
    return true;
}

// "[marker] rest": the marker and the rest after one blank.
bool SplitMarker(const std::string& text, std::string* marker, std::string* rest) {
    std::size_t close = text.find(']');
    if (text.empty() || text[0] != '[' || close == std::string::npos)
        return false;
    *marker = text.substr(1, close - 1);
    std::size_t start = close + 1;
    if (start < text.size() && text[start] == ' ')
        ++start;
    *rest = text.substr(start);
    return true;
}

bool ParseHexWord(const std::string& text, const char* prefix, WORD* word) {
    std::size_t n = std::strlen(prefix);
    if (text.compare(0, n, prefix) != 0 || text.size() == n)
        return false;
    char* end = nullptr;
    unsigned long v = std::strtoul(text.c_str() + n, &end, 0);
    if (*end != '\0' || v > 0xffff || text[n] == '-' || text[n] == ' ')
        return false;
    *word = static_cast<WORD>(v);
    return true;
}

bool ParseTypedValue(const std::string& text, DbItem* item, std::string* error) {
    std::string marker, rest;
    if (text.empty() || text[0] != '[') {
        std::size_t i = 0;
        item->type = TYPE_TEXT;
        item->value.clear();
        if (!UnescapeText(text, &i, "", &item->value)) {
            *error = "broken escape in text";
            return false;
        }
        item->value = LmbcsFromDump(item->value);
        return true;
    }
    if (!SplitMarker(text, &marker, &rest)) {
        *error = "unclosed value marker";
        return false;
    }
    bool ok = false;
    if (marker == "list") {
        item->type = TYPE_TEXT_LIST;
        ok = ParseList(rest, &item->value);
    } else if (marker == "number") {
        item->type = TYPE_NUMBER;
        ok = ParseNumber(rest, &item->value);
    } else if (marker == "time") {
        item->type = TYPE_TIME;
        ok = ParseTime(rest, &item->value);
    } else if (marker == "richtext") {
        item->type = TYPE_COMPOSITE;
        ok = Unhex(rest, &item->value);
    } else if (ParseHexWord(marker, "type=", &item->type)) {
        ok = Unhex(rest, &item->value);
    } else {
        *error = "unknown value marker [" + marker + "]";
        return false;
    }
    if (!ok)
        *error = "bad [" + marker + "] value";
    return ok;
}

} // namespace

WORD DefaultItemFlags(WORD type) {
    return type == TYPE_COMPOSITE ? 0 : ITEM_SUMMARY;
}

std::string FormatItem(const DbItem& item) {
    std::string line = EscapeText(DumpFromLmbcs(item.name), kNameSpecial) + ": ";
    if (item.flags != DefaultItemFlags(item.type)) {
        char flags[24];
        std::snprintf(flags, sizeof flags, "[flags=0x%04X] ", item.flags);
        line += flags;
    }
    std::string value;
    if (!FormatTypedValue(item, &value)) {
        char marker[24];
        std::snprintf(marker, sizeof marker, "[type=0x%04X] ", item.type);
        value = marker + Hex(item.value);
    }
    return line + value;
}

bool ParseItem(const std::string& line, DbItem* item, std::string* error) {
    std::size_t i = 0;
    item->name.clear();
    if (!UnescapeText(line, &i, ":", &item->name) || i >= line.size()) {
        *error = "no \"Name: value\" item";
        return false;
    }
    if (item->name.empty()) {
        *error = "item without a name";
        return false;
    }
    item->name = LmbcsFromDump(item->name);
    std::string rest = line.substr(i + 1);
    if (!rest.empty() && rest[0] == ' ')
        rest.erase(0, 1);
    bool flagsGiven = false;
    std::string marker, after;
    if (SplitMarker(rest, &marker, &after) && marker.compare(0, 6, "flags=") == 0) {
        if (!ParseHexWord(marker, "flags=", &item->flags)) {
            *error = "bad [flags=] marker";
            return false;
        }
        flagsGiven = true;
        rest = after;
    }
    if (!ParseTypedValue(rest, item, error))
        return false;
    if (!flagsGiven)
        item->flags = DefaultItemFlags(item->type);
    return true;
}
