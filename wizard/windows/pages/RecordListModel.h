// The rows of a selection page: one common record each, in the manager's
// order, with its tick. Texts are formed when a row is drawn, so a load of
// any size fills the list at once.
#pragma once
#include <vector>

#include <QAbstractTableModel>
#include <QHash>
#include <QString>

#include "wizard/windows/widgets/RecordText.h"

class CxList;

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
    void* Record(int row) const { return m_records[static_cast<std::size_t>(row)]; }
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
    std::vector<void*> m_records; // owned by the data object's manager
    std::vector<unsigned char> m_ticked;
    QHash<int, QString> m_captions; // rows the user retitled
};
