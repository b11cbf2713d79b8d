// "Field Property": one field update definition, which field of the current
// kind's catalogue and, by its type, the new value or the text operation.
// The definition changes only when OK finds everything it needs.
#pragma once
#include <QDialog>

#include "wizard/controller/WizardInterfaces.h"
#include "wizard/update/Vxcommon.h"

class CxFieldDetail;
class CxWizardController;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfmOneField : public QDialog, public IWizardPage {
    Q_OBJECT
public:
    TfmOneField(CxWizardController& controller, QWidget* parent);

    // Required before ExchangeData; not owned.
    void SetDefinition(tagFUFieldUpdate* definition) { m_pDefinition = definition; }
    void SetTitle(const QString& text);
    // false: fill from the definition; true: check and store into it.
    bool ExchangeData(bool leaving) override;

    QWidget* pTitle;
    QLabel* lblTitle;
    QComboBox* cbName;
    QLabel* lblDesc;
    QLineEdit* edtType;
    CxFieldDetail* pDetail;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout_();
    void FillFieldList();
    bool KeyInUse_(int key) const;
    const tagFUFieldInfo* SelectedRow_() const;
    void cbNameChange();
    void btnOKClick();

    CxWizardController& m_controller;
    tagFUFieldUpdate* m_pDefinition;
};
