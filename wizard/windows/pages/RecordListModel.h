// The rows of a selection page: one common record each, in the manager's
// order, with its tick. Texts are formed when a row is drawn, so a load of
// any size fills the list at once; a row whose record is not in memory is
// read for it into one copy, and nothing is made for drawing.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

#include <QAbstractTableModel>
#include <QHash>
#include <QString>

#include "common/lotus/exchange/CxLNHeld.h"
#include "wizard/windows/widgets/RecordText.h"

class CxList;
class ICxListSource;

struct tagRecordColumn {
    const char* szCaption;
    int nWidth; // pixels
    int nKey;   // field of the common catalogue
};

class CxRecordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CxRecordListModel(const tagRecordColumn* columns, int columnCount, RecordTextFn text,
                      QObject* parent);

    // Every record of `records` (none when null), all ticked.
    void Fill(CxList* records);
    void SetAllTicked(bool ticked);
    // Ticks or unticks the rows `rows` (in ascending order), at once.
    void SetTickedRows(const std::vector<int>& rows, bool ticked);
    bool IsTicked(int row) const { return m_ticked[static_cast<std::size_t>(row)] != 0; }
    // The row's record, made when it is not in memory; it stays valid while
    // the list holds it.
    void* Record(int row) const;
    // The row's record to look at: the one in memory, or a copy read for it
    // that the next call may replace; null when it can not be read.
    const void* Shown(int row) const;
    // The row's entry, to pass on without making its record.
    const tagLNHeld& Entry(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    // The copy of the last row read may be out of date: read again when shown.
    void ForgetCopy() { m_nCopyRow = -1; }
    // Lets the user retitle a row; the new caption is only shown.
    void SetCaptionEditable(bool on) { m_bCaptionEditable = on; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text_(int row, int column) const;

    const tagRecordColumn* m_columns;
    int m_nColumnCount;
    RecordTextFn m_text;
    bool m_bCaptionEditable = false;
    std::vector<tagLNHeld> m_rows; // owned by the data object's manager or its store
    ICxListSource* m_pSource = nullptr;
    mutable std::unique_ptr<std::max_align_t[]> m_copy; // the last row read
    mutable int m_nCopyRow = -1;
    std::vector<unsigned char> m_ticked;
    QHash<int, QString> m_captions; // rows the user retitled
};
