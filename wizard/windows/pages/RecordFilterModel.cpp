#include "RecordFilterModel.h"

#include <cstring>

#include "wizard/windows/widgets/AnsiText.h"

namespace {

// Room for the text of any list column, as the list reads it.
const std::size_t kColumnTextSize = 1024;

// A date "MM/DD/YYYY ..." sorts by its year, month and day.
std::string SortKey(std::string text) {
    const bool date = text.size() >= 10 && text[2] == '/' && text[5] == '/' &&
                      std::strspn(text.c_str(), "0123456789/") >= 10;
    return date ? text.substr(6, 4) + text.substr(0, 2) + text.substr(3, 2) + text.substr(10)
                : text;
}

} // namespace

CxRecordFilterModel::CxRecordFilterModel(CxRecordListModel* rows, const tagRecordColumn* columns,
                                         int columnCount, RecordTextFn text, QObject* parent)
    : QSortFilterProxyModel(parent), m_pRows(rows), m_columns(columns),
      m_nColumnCount(columnCount), m_text(text) {
    // Ticks change rows all at once: they must not sort or filter again.
    setDynamicSortFilter(false);
    setSourceModel(rows);
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_shown.clear();
        m_keys.clear();
    });
    connect(rows, &QAbstractItemModel::modelReset, this, &CxRecordFilterModel::RowsReset_);
    m_readAhead.setInterval(0);
    connect(&m_readAhead, &QTimer::timeout, this, &CxRecordFilterModel::ReadAhead_);
    RowsReset_();
}

void CxRecordFilterModel::RowsReset_() {
    m_search.Reset(m_pRows->rowCount(),
                   [this](int row, std::vector<std::string>* texts) { RowTexts_(row, texts); });
    SetReadAhead(m_bReadAhead);
}

void CxRecordFilterModel::SetReadAhead(bool on) {
    m_bReadAhead = on;
    if (on && m_pRows->rowCount() > 0)
        m_readAhead.start();
    else
        m_readAhead.stop();
}

// A slice at a time, so the window answers between slices.
void CxRecordFilterModel::ReadAhead_() {
    const int kSlice = 2000;
    if (m_search.ReadAhead(kSlice))
        m_readAhead.stop();
}

void CxRecordFilterModel::RowTexts_(int row, std::vector<std::string>* texts) const {
    char text[kColumnTextSize];
    // The record as shown: one not in memory is read, never made.
    const void* record = m_pRows->Shown(row);
    for (int column = 0; column < m_nColumnCount; ++column) {
        text[0] = '\0';
        if (record)
            m_text(record, m_columns[column].nKey, text, sizeof text);
        text[sizeof text - 1] = '\0';
        texts->emplace_back(text);
    }
}

void CxRecordFilterModel::SetFindText(const QString& text) {
    char ansi[kColumnTextSize] = "";
    ToAnsi(text, ansi);
    m_shown.clear();
    if (ansi[0]) {
        m_shown.assign(static_cast<std::size_t>(m_pRows->rowCount()), 0);
        for (int row : m_search.Find(ansi))
            m_shown[static_cast<std::size_t>(row)] = 1;
    }
    invalidateFilter();
}

std::vector<int> CxRecordFilterModel::ShownRows() const {
    std::vector<int> rows;
    const int count = m_pRows->rowCount();
    rows.reserve(static_cast<std::size_t>(m_shown.empty() ? count : rowCount()));
    for (int row = 0; row < count; ++row)
        if (m_shown.empty() || m_shown[static_cast<std::size_t>(row)])
            rows.push_back(row);
    return rows;
}

bool CxRecordFilterModel::filterAcceptsRow(int row, const QModelIndex&) const {
    return m_shown.empty() || (row >= 0 && static_cast<std::size_t>(row) < m_shown.size() &&
                               m_shown[static_cast<std::size_t>(row)]);
}

void CxRecordFilterModel::sort(int column, Qt::SortOrder order) {
    m_keys.clear();
    if (column >= 0 && column < m_nColumnCount) {
        m_keys.reserve(static_cast<std::size_t>(m_pRows->rowCount()));
        for (int row = 0; row < m_pRows->rowCount(); ++row)
            m_keys.push_back(SortKey(m_search.Key(row, column)));
    }
    QSortFilterProxyModel::sort(column, order);
}

bool CxRecordFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const std::size_t l = static_cast<std::size_t>(left.row());
    const std::size_t r = static_cast<std::size_t>(right.row());
    if (l >= m_keys.size() || r >= m_keys.size())
        return left.row() < right.row();
    return m_keys[l] < m_keys[r];
}
