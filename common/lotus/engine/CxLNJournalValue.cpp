#include "CxLNJournalValue.h"

#include <cstring>
#include <vector>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNLmbcs.h"
#include "common/lotus/binding/CxLNValueText.h"
#include "common/lotus/engine/CxLNRichText.h"
#include "platform/Cp1252.h"

namespace {

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

int Nibble(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool Unhex(const std::string& hex, std::string* bytes) {
    if (hex.size() % 2 != 0)
        return false;
    bytes->clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = Nibble(hex[i]), low = Nibble(hex[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes->push_back(static_cast<char>(high << 4 | low));
    }
    return true;
}

// The entries of a text list, each in UTF-8.
nlohmann::json ListEntries(const std::string& value) {
    nlohmann::json entries = nlohmann::json::array();
    std::vector<std::string> texts;
    LNSplitTextList(value.data(), value.size(), &texts);
    for (const std::string& text : texts)
        entries.push_back(LNLmbcsToUtf8(text));
    return entries;
}

std::string TimeText(const std::string& value) {
    TIMEDATE time{};
    if (value.size() != sizeof time || !LNApi().ConvertTIMEDATEToText)
        return std::string();
    std::memcpy(&time, value.data(), sizeof time);
    char text[MAXALPHATIMEDATE + 1] = "";
    WORD length = 0;
    if (LNApi().ConvertTIMEDATEToText(nullptr, nullptr, &time, text, MAXALPHATIMEDATE, &length) !=
        NOERROR)
        return std::string();
    return std::string(text, length < MAXALPHATIMEDATE ? length : MAXALPHATIMEDATE);
}

void Readable(const tagLNRawItem& item, nlohmann::json* out) {
    nlohmann::json& o = *out;
    switch (item.nType) {
    case TYPE_TEXT:
        o["type"] = "text";
        o["value"] = LNLmbcsToUtf8(item.sValue);
        return;
    case TYPE_TEXT_LIST:
        o["type"] = "text list";
        o["value"] = ListEntries(item.sValue);
        return;
    case TYPE_TIME:
        o["type"] = "time";
        o["value"] = TimeText(item.sValue);
        return;
    case TYPE_NUMBER: {
        NUMBER number = 0;
        o["type"] = "number";
        if (item.sValue.size() == sizeof number) {
            std::memcpy(&number, item.sValue.data(), sizeof number);
            o["value"] = number;
        }
        return;
    }
    case TYPE_COMPOSITE: {
        std::vector<char> text(item.sValue.size() + 1);
        LNRichTextToText(item.sValue.data(), item.sValue.size(), text.data(), text.size());
        o["type"] = "rich text";
        o["value"] = platform::Cp1252ToUtf8(text.data());
        return;
    }
    default:
        o["type"] = "other";
        o["type_code"] = item.nType;
    }
}

} // namespace

nlohmann::json LNJournalValue(const tagLNRawItem& item) {
    nlohmann::json value = nlohmann::json::object();
    Readable(item, &value);
    value["code"] = item.nType;
    value["flags"] = item.nFlags;
    value["raw"] = Hex(item.sValue);
    return value;
}

bool LNJournalItem(const nlohmann::json& value, const std::string& name, tagLNRawItem* item) {
    if (!value.is_object())
        return false;
    const auto code = value.find("code"), flags = value.find("flags"), raw = value.find("raw");
    if (code == value.end() || flags == value.end() || raw == value.end() ||
        !code->is_number_unsigned() || !flags->is_number_unsigned() || !raw->is_string() ||
        code->get<unsigned>() > 0xffff || flags->get<unsigned>() > 0xffff)
        return false;
    item->sName = name;
    item->nType = static_cast<WORD>(code->get<unsigned>());
    item->nFlags = static_cast<WORD>(flags->get<unsigned>());
    return Unhex(raw->get<std::string>(), &item->sValue);
}
