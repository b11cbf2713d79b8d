// Step 3: the loaded records of the current kind, each with a tick; leaving
// forward hands the ticked ones to the update. The kinds' pages differ by
// data only, which each gives as a tagRecordPageKind.
#pragma once
#include <functional>

#include "wizard/windows/pages/RecordListModel.h"
#include "wizard/windows/pages/WizardPageWidget.h"

class CxList;
class CxRecordFilterModel;
class CxRecordFinder;
class QAction;
class QDialog;
class QMenu;
class QPushButton;
class QTreeView;

struct tagRecordPageKind {
    const char* szPageName;
    const char* szListName;
    const char* szDetailName;     // the Details button
    const char* szMenuName;       // the list's context menu
    const char* szSelAllItemName; // its items
    const char* szClearItemName;
    const char* szDetailItemName;
    const char* szNoneTicked; // why Next is refused
    bool bCaptionEditable;
    const tagRecordColumn* pColumns;
    int nColumnCount;
    RecordTextFn text;
    // The records of the current load; null before one.
    CxList* (*records)(const CxWizardController& controller);
    // The kind's detail dialog, showing `record`.
    QDialog* (*createDetail)(const void* record, QWidget* parent);
};

class CxRecordPage : public CxWizardPageWidget {
    Q_OBJECT
public:
    typedef std::function<void(QDialog& dialog)> ShowDetailFn;

    CxRecordPage(const tagRecordPageKind& kind, CxWizardController& controller, QWidget* parent);
    bool ExchangeData(bool leaving) override;
    // Rebuilds the list from the current load, every row ticked.
    void FillRecordList();
    // Shows a detail dialog; modal unless a test looks at the dialog instead.
    void SetShowDetail(ShowDetailFn show) { m_showDetail = std::move(show); }
    CxRecordListModel* Model() const { return m_pModel; }
    // The rows as the list shows them: found, sorted.
    CxRecordFilterModel* Shown() const { return m_pShown; }
    CxRecordFinder* Finder() const { return m_pFinder; }

    QPushButton* btnSelAll;
    QPushButton* btnClear;
    // What the update would change in the ticked records, before it runs.
    QPushButton* btnPreview;

protected:
    QTreeView* List_() const { return m_pList; }
    QPushButton* DetailButton_() const { return m_pDetail; }
    QMenu* Menu_() const { return m_pMenu; }
    QAction* SelAllItem_() const { return m_pSelAllItem; }
    QAction* ClearItem_() const { return m_pClearItem; }
    QAction* DetailItem_() const { return m_pDetailItem; }

private:
    void CreateList_();
    void CreateMenu_();
    void BuildLayout_();
    bool CollectTicked_();
    void TickMatched_();
    void btnSelAllClick();
    void btnClearClick();
    void DetailClick_();
    void btnPreviewClick_();

    const tagRecordPageKind& m_kind;
    CxRecordListModel* m_pModel;
    CxRecordFilterModel* m_pShown;
    CxRecordFinder* m_pFinder;
    QTreeView* m_pList;
    QPushButton* m_pDetail;
    QMenu* m_pMenu;
    QAction* m_pSelAllItem;
    QAction* m_pClearItem;
    QAction* m_pDetailItem;
    unsigned m_nShownLoad = 0; // the load the rows come from
    unsigned m_nShownValues = 0; // the values file the ticks come from
    ShowDetailFn m_showDetail;
};

// The records of the kind whose data object the controller's `Get` gives.
template <auto Get> CxList* LoadedRecords(const CxWizardController& controller) {
    auto* util = (controller.*Get)();
    return util && util->GetDataMgr() ? util->GetDataMgr()->GetRecords() : nullptr;
}

template <class Dialog> QDialog* CreateDetailDialog(const void* record, QWidget* parent) {
    auto* dialog = new Dialog(parent);
    dialog->ShowRecord(static_cast<const typename Dialog::Record*>(record));
    return dialog;
}
