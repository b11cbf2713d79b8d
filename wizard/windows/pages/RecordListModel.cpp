#include "RecordListModel.h"

#include "common/misc/CxList.h"
#include "wizard/windows/widgets/AnsiText.h"

namespace {

// Room for the text of any list column.
const std::size_t kColumnTextSize = 1024;

} // namespace

CxRecordListModel::CxRecordListModel(const tagRecordColumn* columns, int columnCount,
                                     RecordTextFn text, QObject* parent)
    : QAbstractTableModel(parent), m_columns(columns), m_nColumnCount(columnCount), m_text(text) {}

void CxRecordListModel::Fill(CxList* records) {
    beginResetModel();
    m_rows = LNHeldEntries(records);
    m_pSource = records ? records->GetSource() : nullptr;
    m_copy.reset();
    m_nCopyRow = -1;
    m_captions.clear();
    m_ticked.assign(m_rows.size(), 1);
    endResetModel();
}

void* CxRecordListModel::Record(int row) const {
    const tagLNHeld& held = Entry(row);
    if (held.pElement || !held.pKey || !m_pSource)
        return held.pElement;
    return m_pSource->MakeElement(held.pKey);
}

const void* CxRecordListModel::Shown(int row) const {
    const tagLNHeld& held = Entry(row);
    if (held.pElement || !held.pKey || !m_pSource)
        return held.pElement;
    if (const void* made = m_pSource->MadeElement(held.pKey))
        return made;
    if (m_nCopyRow == row)
        return m_copy.get();
    if (!m_copy) {
        const std::size_t size = m_pSource->ElementSize();
        m_copy.reset(new std::max_align_t[(size + sizeof(std::max_align_t) - 1) /
                                          sizeof(std::max_align_t)]);
    }
    m_nCopyRow = -1;
    const void* read = LNReadHeld(m_pSource, held, m_copy.get());
    if (read)
        m_nCopyRow = row;
    return read;
}

void CxRecordListModel::SetAllTicked(bool ticked) {
    if (m_rows.empty())
        return;
    m_ticked.assign(m_rows.size(), ticked ? 1 : 0);
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

void CxRecordListModel::SetTickedRows(const std::vector<int>& rows, bool ticked) {
    for (int row : rows)
        if (row >= 0 && static_cast<std::size_t>(row) < m_ticked.size())
            m_ticked[static_cast<std::size_t>(row)] = ticked ? 1 : 0;
    if (!rows.empty())
        emit dataChanged(index(rows.front(), 0), index(rows.back(), 0), {Qt::CheckStateRole});
}

int CxRecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CxRecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_nColumnCount;
}

QString CxRecordListModel::Text_(int row, int column) const {
    if (column == 0) {
        auto retitled = m_captions.constFind(row);
        if (retitled != m_captions.constEnd())
            return retitled.value();
    }
    char text[kColumnTextSize];
    text[0] = '\0';
    if (const void* record = Shown(row))
        m_text(record, m_columns[column].nKey, text, sizeof text);
    text[sizeof text - 1] = '\0';
    return FromAnsi(text);
}

QVariant CxRecordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return Text_(index.row(), index.column());
    if (role == Qt::CheckStateRole && index.column() == 0)
        return IsTicked(index.row()) ? Qt::Checked : Qt::Unchecked;
    return QVariant();
}

bool CxRecordListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0 || index.row() >= rowCount())
        return false;
    if (role == Qt::CheckStateRole) {
        m_ticked[static_cast<std::size_t>(index.row())] = value.toInt() == Qt::Checked ? 1 : 0;
    } else if (role == Qt::EditRole && m_bCaptionEditable) {
        m_captions.insert(index.row(), value.toString());
    } else {
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags CxRecordListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0) {
        flags |= Qt::ItemIsUserCheckable;
        if (m_bCaptionEditable)
            flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QVariant CxRecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_nColumnCount)
        return QVariant();
    return QString::fromLatin1(m_columns[section].szCaption);
}
