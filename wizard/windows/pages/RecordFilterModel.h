// The rows of a selection page as the list shows them: those whose shown
// texts hold the find box's text, in the order of the column the user
// sorted by. Ticks and records stay in the rows' own model.
#pragma once
#include <string>
#include <vector>

#include <QSortFilterProxyModel>
#include <QTimer>

#include "wizard/windows/pages/RecordListModel.h"
#include "wizard/windows/pages/RecordSearch.h"

class CxRecordFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    CxRecordFilterModel(CxRecordListModel* rows, const tagRecordColumn* columns, int columnCount,
                        RecordTextFn text, QObject* parent);

    // Shows the rows that hold `text` in a shown column, without regard to case.
    void SetFindText(const QString& text);
    // The rows' own model's rows now shown, in their own order.
    std::vector<int> ShownRows() const;
    int ShownCount() const { return rowCount(); }

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // Reads the rows' texts ahead, a slice at a time, while `on`: only while
    // the page is shown, when its rows' records are sure to be there.
    void SetReadAhead(bool on);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    void RowsReset_();
    void ReadAhead_();
    // Row `row`'s texts as the list shows them, in Windows-1252.
    void RowTexts_(int row, std::vector<std::string>* texts) const;

    CxRecordListModel* m_pRows;
    const tagRecordColumn* m_columns;
    int m_nColumnCount;
    RecordTextFn m_text;
    CxRecordSearch m_search;
    QTimer m_readAhead; // reads the rows' texts while the user looks
    bool m_bReadAhead = false;
    std::vector<unsigned char> m_shown; // by row; empty: every row
    std::vector<std::string> m_keys;    // the sorted column's texts by row
};
