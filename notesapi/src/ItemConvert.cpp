// NSFItemConvertToText: any item's value as text.
#include "notesapi/src/ItemAccess.h"
#include "notesapi/src/ItemList.h"
#include "notesapi/src/RichTextRecords.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Text.h"

#include <cstdio>
#include <cstring>

namespace {

std::string NumberText(const uint8_t* p) {
    NUMBER number;
    std::memcpy(&number, p, sizeof number);
    char text[MAXALPHANUMBER];
    std::snprintf(text, sizeof text, "%.15g", number);
    return text;
}

std::string TimeText(const uint8_t* p) {
    TIMEDATE time;
    std::memcpy(&time, p, sizeof time);
    char text[MAXALPHATIMEDATE + 1];
    WORD length = 0;
    if (ConvertTIMEDATEToText(nullptr, nullptr, &time, text, MAXALPHATIMEDATE, &length) != NOERROR)
        return std::string();
    return std::string(text, length);
}

// A range: the single values, then the pairs as "lower - upper".
std::string RangeText(const uint8_t* p, size_t size, size_t width,
                      std::string (*one)(const uint8_t*), char separator) {
    if (size < sizeof(RANGE))
        return std::string();
    RANGE range;
    std::memcpy(&range, p, sizeof range);
    const size_t values = range.ListEntries, pairs = range.RangeEntries;
    if ((values + 2 * pairs) * width > size - sizeof range)
        return std::string();
    std::string text;
    const uint8_t* at = p + sizeof range;
    for (size_t i = 0; i < values + pairs; ++i, at += width) {
        if (i)
            text += separator;
        text += one(at);
        if (i >= values) {
            at += width;
            text += " - " + one(at);
        }
    }
    return text;
}

std::string RichText(const uint8_t* p, size_t size) {
    std::string text;
    bool paragraph = false;
    zns::ForEachRecord(p, size, [&](const uint8_t* record, size_t length) {
        if (zns::IsParagraph(record, length)) {
            if (paragraph)
                text += "\r\n";
            paragraph = true;
        } else if (zns::IsTextRun(record, length)) {
            text.append(reinterpret_cast<const char*>(record) + zns::kTextRunHeader,
                        length - zns::kTextRunHeader);
        }
    });
    return text;
}

bool ValueText(const zns::Item& item, char separator, std::string& text) {
    const uint8_t* p = item.value.data() + 2;
    const size_t size = item.value.size() - 2;
    std::vector<std::string> entries;
    switch (item.Type()) {
    case TYPE_TEXT:
    case TYPE_TEXT_LIST:
        if (!zns::ItemTextEntries(item, entries))
            return false;
        for (size_t i = 0; i < entries.size(); ++i)
            text += (i ? std::string(1, separator) : std::string()) + entries[i];
        return true;
    case TYPE_NUMBER:
        text = size < sizeof(NUMBER) ? std::string() : NumberText(p);
        return size >= sizeof(NUMBER);
    case TYPE_TIME:
        text = size < sizeof(TIMEDATE) ? std::string() : TimeText(p);
        return size >= sizeof(TIMEDATE);
    case TYPE_NUMBER_RANGE:
        text = RangeText(p, size, sizeof(NUMBER), NumberText, separator);
        return true;
    case TYPE_TIME_RANGE:
        text = RangeText(p, size, sizeof(TIMEDATE), TimeText, separator);
        return true;
    case TYPE_COMPOSITE:
        text = RichText(p, size);
        return true;
    default:
        return false;
    }
}

} // namespace

WORD LNPUBLIC NSFItemConvertToText(NOTEHANDLE hNote, const char* ItemName, char* retBuffer,
                                   WORD BufferLength, char SepChar) {
    ZNS_REQUIRE_INIT(0);
    const char separator = SepChar ? SepChar : ';';
    return zns::PutItemText(hNote, ItemName, retBuffer, BufferLength,
                            [separator](const zns::Item& item, std::string& text) {
                                return ValueText(item, separator, text);
                            });
}
