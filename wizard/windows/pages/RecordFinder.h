// The find box over a selection page's list and the line under it: the
// text typed shows the rows that hold it, "Shown N of M · Ticked K" counts
// them, and Select All and Clear tick or untick the shown rows only.
#pragma once
#include <QObject>

class CxRecordFilterModel;
class CxRecordListModel;
class QLabel;
class QLineEdit;
class QTreeView;
struct tagRecordColumn;

class CxRecordFinder : public QObject {
    Q_OBJECT
public:
    CxRecordFinder(CxRecordListModel* rows, CxRecordFilterModel* shown, QWidget* parent);

    // Empties the box: a new load shows all its rows.
    void Clear();
    // Ticks or unticks the rows shown, and only them.
    void TickShown(bool ticked);
    QString CountText() const;

    QLabel* lblFind;
    QLineEdit* edtFind;
    QLabel* lblShown;

protected:
    // The page shown or hidden: the rows' texts are read ahead only while shown.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Find_(const QString& text);
    // Counts once, after a burst of changes has settled.
    void CountLater_();
    void Count_();

    CxRecordListModel* m_pRows;
    CxRecordFilterModel* m_pShown;
    bool m_bCountPending = false;
};

// Each column as wide as its caption and the texts of the first rows need,
// never narrower than `columns` give.
void FitRecordColumns(QTreeView* list, const tagRecordColumn* columns, int count);
