// Step 2: the field update definitions of the run. Lists them and adds,
// removes and edits them through the definition dialog.
#pragma once
#include <functional>

#include "wizard/windows/pages/WizardPageWidget.h"

struct tagFUFieldUpdate;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TfmImportValues;
class TfmOneField;

class TfmUpdateField : public CxWizardPageWidget {
    Q_OBJECT
public:
    // Shows the filled dialog and gives its result; exec() unless replaced.
    typedef std::function<int(TfmOneField& dialog)> DialogRunner;
    typedef std::function<int(TfmImportValues& dialog)> ImportRunner;

    TfmUpdateField(CxWizardController& controller, QWidget* parent);
    bool ExchangeData(bool leaving) override;
    // Tests answer the dialog here instead of in a modal loop.
    void SetDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void SetImportRunner(ImportRunner runner) { m_runImport = std::move(runner); }

    QTreeWidget* lvFields;
    QPushButton* btnAdd;
    QPushButton* btnDel;
    QPushButton* btnProp;
    QPushButton* btnImport;
    QLabel* Label1;
    QPushButton* btnLoad;
    QPushButton* btnSave;

private:
    void BuildLayout_();
    void FillDefinitionList();
    void ShowDefinition(QTreeWidgetItem* row, tagFUFieldUpdate* definition);
    tagFUFieldUpdate* DefinitionOf_(const QTreeWidgetItem* row) const;
    QTreeWidgetItem* FirstSelected_() const;
    int RunDialog_(tagFUFieldUpdate* definition, const char* title);
    void btnAddClick();
    void btnDelClick();
    void btnPropClick();
    void lvFieldsChange();
    void btnImportClick();

    DialogRunner m_runDialog;
    ImportRunner m_runImport;
};
