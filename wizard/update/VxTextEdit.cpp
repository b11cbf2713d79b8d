#include "VxTextEdit.h"

#include <cstring>

namespace {

// A position at or after the end, or a negative one, changes nothing.
std::string InsertAt(const std::string& current, int position, const std::string& value) {
    if (position < 0 || static_cast<std::size_t>(position) >= current.size())
        return current;
    std::string result = current;
    result.insert(static_cast<std::size_t>(position), value);
    return result;
}

} // namespace

std::string FUReplaceAll(const std::string& text, const std::string& find,
                         const std::string& replacement) {
    if (find.empty())
        return text;
    std::string result;
    std::size_t from = 0;
    for (std::size_t hit = text.find(find); hit != std::string::npos; hit = text.find(find, from)) {
        result.append(text, from, hit - from);
        result += replacement;
        from = hit + find.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::string FUEditText(const std::string& current, const tagFUFieldUpdate& def) {
    switch (def.nOperation) {
    case FU_OP_SET:
        return FUDefinitionText(def.szValue);
    case FU_OP_APPEND:
        return current + FUDefinitionText(def.szValue);
    case FU_OP_INSERT:
        return InsertAt(current, def.nPosition, FUDefinitionText(def.szValue));
    case FU_OP_REPLACE:
        return FUReplaceAll(current, FUDefinitionText(def.szFind), FUDefinitionText(def.szValue));
    default:
        return current;
    }
}

FUStoreResult FUStoreText(char* field, int size, const std::string& text) {
    if (!field || size <= 0)
        return FU_STORE_SAME;
    const std::size_t capacity = static_cast<std::size_t>(size);
    const std::size_t length = strnlen(field, capacity);
    if (length == text.size() && text.compare(0, length, field, length) == 0)
        return FU_STORE_SAME;
    const bool cut = text.size() > capacity - 1;
    const std::size_t kept = cut ? capacity - 1 : text.size();
    std::memcpy(field, text.data(), kept);
    field[kept] = '\0';
    return cut ? FU_STORE_CUT : FU_STORE_SET;
}
