#include "notesapi/src/TextListValue.h"

#include "notesapi/src/Text.h"

namespace zns {

namespace {

// The largest list one segment holds: a WORD less its count and one length.
const std::size_t kMaxListSize = 0xffff - 4;

} // namespace

bool ReadTextList(const uint8_t* bytes, std::size_t size, std::vector<TextSpan>& entries) {
    entries.clear();
    if (size < 2)
        return false;
    const std::size_t count = GetWord(bytes);
    std::size_t offset = 2 + 2 * count;
    if (offset > size)
        return false;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        TextSpan span;
        span.offset = offset;
        span.length = GetWord(bytes + 2 + 2 * i);
        if (span.length > size - offset)
            return false;
        entries.push_back(span);
        offset += span.length;
    }
    return true;
}

bool MakeTextList(const std::vector<std::string>& entries, std::vector<uint8_t>& value) {
    std::size_t size = 2 + 2 * entries.size();
    for (const std::string& entry : entries)
        size += entry.size();
    if (size > kMaxListSize)
        return false;
    value.clear();
    value.reserve(size);
    PutWord(value, static_cast<uint16_t>(entries.size()));
    for (const std::string& entry : entries)
        PutWord(value, static_cast<uint16_t>(entry.size()));
    for (const std::string& entry : entries)
        value.insert(value.end(), entry.begin(), entry.end());
    return true;
}

} // namespace zns
