#include "RecordFinder.h"

#include <algorithm>

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QTreeView>

#include "wizard/windows/pages/RecordFilterModel.h"
#include "wizard/windows/pages/RecordListModel.h"
#include "wizard/windows/widgets/Controls.h"

namespace {

// Rows whose texts the first layout measures: what a user sees first.
const int kMeasuredRows = 200;
// Room beside a text for the cell's margins (and the first column's tick).
const int kCellMargin = 16;
const int kTickRoom = 24;

} // namespace

CxRecordFinder::CxRecordFinder(CxRecordListModel* rows, CxRecordFilterModel* shown,
                               QWidget* parent)
    : QObject(parent), m_pRows(rows), m_pShown(shown) {
    edtFind = Named<QLineEdit>("edtFind", parent);
    edtFind->setClearButtonEnabled(true);
    edtFind->setPlaceholderText("Any shown column, any case");
    lblFind = Named<QLabel>("lblFind", "F&ind:", parent);
    lblFind->setBuddy(edtFind);
    lblShown = Named<QLabel>("lblShown", parent);
    connect(edtFind, &QLineEdit::textChanged, this, &CxRecordFinder::Find_);
    parent->installEventFilter(this);
    connect(rows, &QAbstractItemModel::dataChanged, this, &CxRecordFinder::CountLater_);
    connect(rows, &QAbstractItemModel::modelReset, this, &CxRecordFinder::Count_);
    Count_();
}

bool CxRecordFinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        m_pShown->SetReadAhead(event->type() == QEvent::Show);
    return QObject::eventFilter(watched, event);
}

void CxRecordFinder::Clear() {
    edtFind->clear();
}

void CxRecordFinder::Find_(const QString& text) {
    m_pShown->SetFindText(text);
    Count_();
}

void CxRecordFinder::TickShown(bool ticked) {
    if (m_pShown->ShownCount() == m_pRows->rowCount())
        m_pRows->SetAllTicked(ticked);
    else
        m_pRows->SetTickedRows(m_pShown->ShownRows(), ticked);
    Count_();
}

void CxRecordFinder::CountLater_() {
    if (m_bCountPending)
        return;
    m_bCountPending = true;
    QTimer::singleShot(0, this, &CxRecordFinder::Count_);
}

QString CxRecordFinder::CountText() const {
    int ticked = 0;
    for (int row = 0; row < m_pRows->rowCount(); ++row)
        ticked += m_pRows->IsTicked(row) ? 1 : 0;
    const QLocale locale;
    return QString("Shown %1 of %2 \u00b7 Ticked %3")
        .arg(locale.toString(m_pShown->ShownCount()), locale.toString(m_pRows->rowCount()),
             locale.toString(ticked));
}

void CxRecordFinder::Count_() {
    m_bCountPending = false;
    lblShown->setText(CountText());
}

void FitRecordColumns(QTreeView* list, const tagRecordColumn* columns, int count) {
    const QFontMetrics text = list->fontMetrics();
    const QFontMetrics caption = list->header()->fontMetrics();
    QAbstractItemModel* model = list->model();
    const int rows = std::min(model->rowCount(), kMeasuredRows);
    for (int column = 0; column < count; ++column) {
        int width = std::max(columns[column].nWidth,
                             caption.horizontalAdvance(QString::fromLatin1(columns[column].szCaption)) +
                                 2 * kCellMargin);
        for (int row = 0; row < rows; ++row)
            width = std::max(width, text.horizontalAdvance(model->index(row, column).data().toString()) +
                                        kCellMargin + (column == 0 ? kTickRoom : 0));
        list->header()->resizeSection(column, width);
    }
}
