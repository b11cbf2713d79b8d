#include "TfmPreview.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/misc/CxList.h"
#include "wizard/controller/WizardController.h"
#include "wizard/windows/widgets/Controls.h"

namespace {

// Records looked at between two paints of the window.
const uint32_t kSlice = 500;

QString Count(uint32_t n) {
    return QLocale().toString(static_cast<qulonglong>(n));
}

} // namespace

TfmPreview::TfmPreview(CxWizardController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller) {
    setObjectName("fmPreview");
    setWindowTitle("Preview");
    lblSummary = Named<QLabel>("lblSummary", this);
    lblSummary->setWordWrap(true);
    pbPreview = Named<QProgressBar>("pbPreview", this);
    pbPreview->setAccessibleName("Records looked at");
    lvPreview = Named<QTreeWidget>("lvPreview", this);
    lvPreview->setAccessibleName("Changes, record by record");
    lvPreview->setHeaderLabels({"Record / Field", "Before", "After"});
    lvPreview->setUniformRowHeights(true);
    lvPreview->setAllColumnsShowFocus(true);
    lvPreview->header()->setStretchLastSection(true);
    lvPreview->header()->resizeSection(0, 240);
    lvPreview->header()->resizeSection(1, 260);
    btnClose = Named<QPushButton>("btnClose", "&Close", this);
    btnClose->setDefault(true);

    auto* label = new QLabel("C&hanges, record by record:", this);
    label->setBuddy(lvPreview);
    QVBoxLayout* body = DialogBody(
        this, TitleBand(this, "What the update would change in the ticked records. Nothing is "
                              "written until you run it.",
                        nullptr));
    body->setSpacing(8);
    body->addWidget(label);
    body->addWidget(lvPreview, 1);
    body->addWidget(pbPreview);
    body->addWidget(lblSummary);
    body->addLayout(RightButtons({btnClose}));
    setTabOrder(lvPreview, btnClose);
    resize(820, 540);

    CxList* selected = controller.GetSelectedRecords();
    m_nTotal = selected ? selected->GetCount() : 0;
    pbPreview->setRange(0, static_cast<int>(m_nTotal > 0 ? m_nTotal : 1));
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_fill, &QTimer::timeout, this, &TfmPreview::FillSlice_);
    m_fill.setInterval(0);
    // The first slice at once: the first changes are there when the window is.
    FillSlice_();
    if (!IsFilled())
        m_fill.start();
}

void TfmPreview::FillAll() {
    while (!IsFilled())
        FillSlice_();
}

void TfmPreview::FillSlice_() {
    if (IsFilled()) {
        m_fill.stop();
        return;
    }
    const uint32_t from = m_nNext;
    m_nNext = std::min(m_nTotal, from + kSlice);
    lvPreview->setUpdatesEnabled(false);
    WizardDryRun(
        m_controller, from, m_nNext - from, [this](const tagDryRunRecord& r) { Show_(r); },
        &m_counts);
    lvPreview->setUpdatesEnabled(true);
    pbPreview->setValue(static_cast<int>(m_nNext));
    if (IsFilled()) {
        m_fill.stop();
        if (m_counts.nChanged > static_cast<uint32_t>(m_nListed))
            lvPreview->addTopLevelItem(new QTreeWidgetItem(
                {QString("... and %1 more records that would change")
                     .arg(Count(m_counts.nChanged - static_cast<uint32_t>(m_nListed)))}));
    }
    lblSummary->setText(SummaryText());
}

void TfmPreview::Show_(const tagDryRunRecord& r) {
    if (m_nListed >= kListedRecords)
        return;
    ++m_nListed;
    auto* row = new QTreeWidgetItem(
        {QString("Record %1 (note ID %2)").arg(Count(r.nIndex + 1), QString::fromStdString(r.sID))});
    for (const tagDryRunField& f : r.fields)
        new QTreeWidgetItem(row, {QString::fromStdString(f.sName), QString::fromStdString(f.sBefore),
                                  QString::fromStdString(f.sAfter)});
    lvPreview->addTopLevelItem(row);
    row->setExpanded(true);
}

QString TfmPreview::SummaryText() const {
    const uint32_t looked = m_counts.nLooked;
    const QString records =
        QString("%1 of %2 records would change, %3 would not; %4 fields would change, %5 would not.")
            .arg(Count(m_counts.nChanged), Count(looked), Count(looked - m_counts.nChanged),
                 Count(m_counts.nFieldsChanged),
                 Count(m_counts.nFieldsTouched - m_counts.nFieldsChanged));
    return IsFilled() ? records
                      : QString("Looking at the records: %1 of %2 so far. ")
                                .arg(Count(looked), Count(m_nTotal)) +
                            records;
}
