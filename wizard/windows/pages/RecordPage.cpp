#include "RecordPage.h"

#include <memory>
#include <unordered_set>

#include <QAction>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "common/misc/CxList.h"
#include "wizard/controller/ValuesMatch.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardSelection.h"
#include "wizard/controller/WizardValues.h"
#include "wizard/windows/dialogs/TfmPreview.h"
#include "wizard/windows/pages/RecordFilterModel.h"
#include "wizard/windows/pages/RecordFinder.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/Prompts.h"

CxRecordPage::CxRecordPage(const tagRecordPageKind& kind, CxWizardController& controller,
                           QWidget* parent)
    : CxWizardPageWidget(controller, parent), m_kind(kind),
      m_showDetail([](QDialog& dialog) { prompts::Exec(dialog); }) {
    setObjectName(kind.szPageName);
    m_pModel = new CxRecordListModel(kind.pColumns, kind.nColumnCount, kind.text, this);
    m_pModel->SetCaptionEditable(kind.bCaptionEditable);
    m_pShown = new CxRecordFilterModel(m_pModel, kind.pColumns, kind.nColumnCount, kind.text, this);
    m_pFinder = new CxRecordFinder(m_pModel, m_pShown, this);
    CreateList_();
    btnSelAll = Named<QPushButton>("btnSelAll", "&Select All", this);
    btnClear = Named<QPushButton>("btnClear", "Clea&r", this);
    btnPreview = Named<QPushButton>("btnPreview", "Pre&view...", this);
    m_pDetail = Named<QPushButton>(kind.szDetailName, "&Details", this);
    CreateMenu_();
    BuildLayout_();

    connect(btnSelAll, &QPushButton::clicked, this, &CxRecordPage::btnSelAllClick);
    connect(btnClear, &QPushButton::clicked, this, &CxRecordPage::btnClearClick);
    connect(m_pDetail, &QPushButton::clicked, this, &CxRecordPage::DetailClick_);
    connect(btnPreview, &QPushButton::clicked, this, &CxRecordPage::btnPreviewClick_);
    connect(m_pList, &QTreeView::doubleClicked, this, &CxRecordPage::DetailClick_);
}

void CxRecordPage::CreateList_() {
    m_pList = Named<QTreeView>(m_kind.szListName, this);
    m_pList->setModel(m_pShown);
    m_pList->setRootIsDecorated(false);
    m_pList->setItemsExpandable(false);
    // One height for every row: drawing a long list looks at the visible rows only.
    m_pList->setUniformRowHeights(true);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setEditTriggers(m_kind.bCaptionEditable ? QAbstractItemView::SelectedClicked |
                                                           QAbstractItemView::EditKeyPressed
                                                     : QAbstractItemView::NoEditTriggers);
    m_pList->header()->setStretchLastSection(false);
    m_pList->header()->setSectionsMovable(false);
    // A click on a caption sorts; until then the rows keep the load's order.
    m_pList->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pList->setSortingEnabled(true);
    m_pList->setContextMenuPolicy(Qt::CustomContextMenu);
}

void CxRecordPage::CreateMenu_() {
    m_pMenu = Named<QMenu>(m_kind.szMenuName, this);
    m_pSelAllItem = m_pMenu->addAction("&Select All", this, &CxRecordPage::btnSelAllClick);
    m_pSelAllItem->setObjectName(m_kind.szSelAllItemName);
    m_pClearItem = m_pMenu->addAction("&Clear All", this, &CxRecordPage::btnClearClick);
    m_pClearItem->setObjectName(m_kind.szClearItemName);
    m_pMenu->addSeparator();
    m_pDetailItem = m_pMenu->addAction("&Detail Information", this, &CxRecordPage::DetailClick_);
    m_pDetailItem->setObjectName(m_kind.szDetailItemName);
    connect(m_pList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_pMenu->popup(m_pList->viewport()->mapToGlobal(at)); });
}

void CxRecordPage::BuildLayout_() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSelAll);
    buttons->addWidget(btnClear);
    buttons->addStretch(1);
    buttons->addWidget(btnPreview);
    buttons->addWidget(m_pDetail);
    auto* find = new QHBoxLayout;
    find->addWidget(m_pFinder->lblFind);
    find->addWidget(m_pFinder->edtFind, 1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(8);
    page->addLayout(find);
    page->addWidget(m_pList, 1);
    page->addWidget(m_pFinder->lblShown);
    page->addLayout(buttons);
    setTabOrder(m_pFinder->edtFind, m_pList);
    setTabOrder(m_pList, btnSelAll);
    setTabOrder(btnSelAll, btnClear);
    setTabOrder(btnClear, btnPreview);
    setTabOrder(btnPreview, m_pDetail);
}

// The rows are rebuilt, all ticked, only for a new load: coming forward
// again keeps what the user unticked.
bool CxRecordPage::ExchangeData(bool leaving) {
    if (leaving)
        return CollectTicked_();
    if (m_nShownLoad != m_controller.GetLoadNumber())
        FillRecordList();
    else
        m_pModel->ForgetCopy(); // an update since may have changed the record
    if (m_nShownValues != GetWizardValuesNumber(m_controller))
        TickMatched_();
    return true;
}

// A values file just imported ticks the records it matches, and only them.
void CxRecordPage::TickMatched_() {
    m_nShownValues = GetWizardValuesNumber(m_controller);
    const CxFUValueTable* values = GetWizardValues(m_controller);
    if (!values)
        return;
    const tagValuesMatch match = MatchValues(m_controller, *values);
    // A record is told by its key in the store, or by itself when in memory only.
    std::unordered_set<const void*> matched;
    for (const tagLNHeld& record : match.records)
        matched.insert(record.pKey ? record.pKey : record.pElement);
    for (int row = 0; row < m_pModel->rowCount(); ++row) {
        const tagLNHeld& entry = m_pModel->Entry(row);
        const bool tick = matched.count(entry.pKey ? entry.pKey : entry.pElement) > 0;
        m_pModel->setData(m_pModel->index(row, 0), static_cast<int>(tick ? Qt::Checked : Qt::Unchecked),
                          Qt::CheckStateRole);
    }
}

void CxRecordPage::FillRecordList() {
    m_nShownLoad = m_controller.GetLoadNumber();
    m_nShownValues = 0;
    // New records show all of them, in the load's order.
    m_pFinder->Clear();
    m_pList->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pShown->sort(-1);
    m_pModel->Fill(m_kind.records(m_controller));
    // A reset forgets the columns' widths.
    FitRecordColumns(m_pList, m_kind.pColumns, m_kind.nColumnCount);
    if (m_pShown->rowCount() > 0)
        m_pList->setCurrentIndex(m_pShown->index(0, 0));
}

bool CxRecordPage::CollectTicked_() {
    CxList* selected = m_controller.GetSelectedRecords();
    if (selected) {
        // Leaving forward again after a step back must not select twice.
        selected->RemoveAll(false);
        for (int row = 0; row < m_pModel->rowCount(); ++row)
            if (m_pModel->IsTicked(row))
                SelectHeld(m_controller, m_pModel->Entry(row));
    }
    if (selected && selected->GetCount() > 0)
        return true;
    prompts::Message(this, "Error", m_kind.szNoneTicked, QMessageBox::Critical);
    return false;
}

// Both act on the rows shown; Next hands on every ticked row, shown or not.
void CxRecordPage::btnSelAllClick() {
    m_pFinder->TickShown(true);
}

void CxRecordPage::btnClearClick() {
    m_pFinder->TickShown(false);
}

void CxRecordPage::DetailClick_() {
    const QModelIndexList rows = m_pList->selectionModel()->selectedRows();
    // Shown from a copy: looking at a record does not keep it in memory.
    const QModelIndex row = rows.isEmpty() ? QModelIndex() : m_pShown->mapToSource(rows.first());
    const void* record = row.isValid() ? m_pModel->Shown(row.row()) : nullptr;
    if (!record)
        return;
    std::unique_ptr<QDialog> dialog(m_kind.createDetail(record, window()));
    m_showDetail(*dialog);
}

// The ticked records go to SelectedRecords as Next hands them on, and the
// preview looks at those; Next fills it again.
void CxRecordPage::btnPreviewClick_() {
    if (!CollectTicked_())
        return;
    TfmPreview preview(m_controller, window());
    prompts::Exec(preview);
}
