#include "RecordSearch.h"

#include <cstring>

namespace {

// Ends each column's text: no field text holds it.
const char kEnd = '\x01';

unsigned char FoldByte(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: // S, Z with caron; OE
    case 0x8C:
    case 0x8E:
        return static_cast<unsigned char>(c + 16);
    case 0x9F: // Y with diaeresis
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

std::string CxRecordSearch::Fold(const std::string& text) {
    std::string folded(text);
    for (char& c : folded)
        c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    return folded;
}

void CxRecordSearch::Reset(int rowCount, RowTextsFn rowTexts) {
    m_nRows = rowCount > 0 ? rowCount : 0;
    m_rowTexts = std::move(rowTexts);
    m_nRead = 0;
    m_sAll.clear();
    m_start.clear();
    m_sLast.clear();
    m_found.clear();
}

bool CxRecordSearch::ReadAhead(int rows) {
    if (m_nRead == 0)
        m_start.reserve(static_cast<std::size_t>(m_nRows) + 1);
    std::vector<std::string> texts;
    for (; m_nRead < m_nRows && rows > 0; ++m_nRead, --rows) {
        m_start.push_back(m_sAll.size());
        texts.clear();
        if (m_rowTexts)
            m_rowTexts(m_nRead, &texts);
        for (const std::string& text : texts) {
            for (char c : text)
                m_sAll += static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
            m_sAll += kEnd;
        }
    }
    // The end of the last row.
    if (m_nRead == m_nRows && m_start.size() == static_cast<std::size_t>(m_nRows))
        m_start.push_back(m_sAll.size());
    return m_nRead == m_nRows;
}

const std::vector<int>& CxRecordSearch::Find(const std::string& text) {
    const std::string folded = Fold(text);
    if (folded.empty()) {
        m_sLast.clear();
        m_found.clear();
        m_found.reserve(static_cast<std::size_t>(m_nRows));
        for (int row = 0; row < m_nRows; ++row)
            m_found.push_back(row);
        return m_found;
    }
    Read_();
    const auto matches = [&](int row) {
        const std::size_t at = m_start[static_cast<std::size_t>(row)];
        const std::size_t size = m_start[static_cast<std::size_t>(row) + 1] - at;
        return memmem(m_sAll.data() + at, size, folded.data(), folded.size()) != nullptr;
    };
    // A longer text matches within what the shorter one matched.
    const bool narrower = !m_sLast.empty() && folded.compare(0, m_sLast.size(), m_sLast) == 0;
    std::vector<int> found;
    if (narrower) {
        for (int row : m_found)
            if (matches(row))
                found.push_back(row);
    } else {
        for (int row = 0; row < m_nRows; ++row)
            if (matches(row))
                found.push_back(row);
    }
    m_found.swap(found);
    m_sLast = folded;
    return m_found;
}

std::string CxRecordSearch::Key(int row, int column) {
    Read_();
    if (row < 0 || row >= m_nRows)
        return std::string();
    std::size_t at = m_start[static_cast<std::size_t>(row)];
    const std::size_t end = m_start[static_cast<std::size_t>(row) + 1];
    for (int c = 0; c < column && at < end; ++c) {
        const void* next = std::memchr(m_sAll.data() + at, kEnd, end - at);
        at = next ? static_cast<std::size_t>(static_cast<const char*>(next) - m_sAll.data()) + 1 : end;
    }
    const void* stop = at < end ? std::memchr(m_sAll.data() + at, kEnd, end - at) : nullptr;
    const std::size_t length =
        stop ? static_cast<std::size_t>(static_cast<const char*>(stop) - m_sAll.data()) - at : 0;
    return m_sAll.substr(at, length);
}
