#include "VxValueTable.h"

#include <utility>

#include "wizard/update/VxKeyText.h"

int CxFUValueTable::AddColumn(int fieldKey, const std::string& name) {
    m_columns.push_back({fieldKey, name});
    return static_cast<int>(m_columns.size()) - 1;
}

bool CxFUValueTable::AddRow(tagFUValueRow row, int* firstLine) {
    const auto added = m_index.emplace(FUKeyText(row.key), m_rows.size());
    if (!added.second) {
        if (firstLine)
            *firstLine = m_rows[added.first->second].nLine;
        return false;
    }
    m_rows.push_back(std::move(row));
    return true;
}

long CxFUValueTable::FindRow(const std::string& key) const {
    std::string scratch;
    return FindRow(key.data(), key.size(), &scratch);
}

long CxFUValueTable::FindRow(const char* text, std::size_t size, std::string* scratch) const {
    FUKeyTextInto(text, size, scratch);
    const auto found = m_index.find(*scratch);
    return found == m_index.end() ? -1 : static_cast<long>(found->second);
}
