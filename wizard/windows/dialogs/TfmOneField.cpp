#include "TfmOneField.h"

#include <cstring>

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "common/misc/CxList.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardKinds.h"
#include "wizard/windows/dialogs/FieldDetail.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

const char kNoField[] = "No field information is selected.";

} // namespace

TfmOneField::TfmOneField(CxWizardController& controller, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_controller(controller), m_pDefinition(nullptr) {
    setObjectName("fmOneField");
    setWindowTitle("Field Property");
    pTitle = TitleBand(this, "Please specify the details of the field to be updating.", &lblTitle);
    cbName = Named<QComboBox>("cbName", this);
    lblDesc = Named<QLabel>("lblDesc", "<Empty>", this);
    lblDesc->setTextFormat(Qt::PlainText);
    edtType = Named<QLineEdit>("edtType", this);
    edtType->setReadOnly(true);
    pDetail = new CxFieldDetail(this);
    btnOK = Named<QPushButton>("btnOK", "&OK", this);
    btnOK->setDefault(true);
    btnCancel = Named<QPushButton>("btnCancel", "&Cancel", this);
    BuildLayout_();

    connect(cbName, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TfmOneField::cbNameChange);
    connect(btnOK, &QPushButton::clicked, this, &TfmOneField::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmOneField::BuildLayout_() {
    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignLeft);
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    fields->addRow("Field Name:", cbName);
    fields->addRow("Description:", lblDesc);
    fields->addRow("Field Type:", edtType);

    QVBoxLayout* body = DialogBody(this, pTitle);
    body->setSpacing(12);
    body->addLayout(fields);
    body->addWidget(pDetail, 1);
    body->addLayout(RightButtons({btnOK, btnCancel}));
    setFixedSize(560, 470);

    // The detail tabs keep their own order inside the page control.
    setTabOrder(cbName, edtType);
    setTabOrder(edtType, pDetail);
    setTabOrder(pDetail->pTime, btnOK);
    setTabOrder(btnOK, btnCancel);
}

void TfmOneField::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

void TfmOneField::SetTitle(const QString& text) {
    lblTitle->setText(text);
}

bool TfmOneField::ExchangeData(bool leaving) {
    if (!m_pDefinition)
        return false;
    if (!leaving) {
        const tagWizardKind* kind = GetWizardKind(m_controller.GetSettings().AppFlag);
        pDetail->SetFields(kind ? kind->fields : nullptr);
        FillFieldList();
        cbNameChange();
        return true;
    }
    const tagFUFieldInfo* row = SelectedRow_();
    if (!row) {
        prompts::Message(this, "Error", kNoField, QMessageBox::Critical);
        return false;
    }
    tagFUFieldUpdate work{};
    work.nFieldKey = row->nKey;
    if (!pDetail->SaveDetails(*row, &work))
        return false;
    *m_pDefinition = work;
    return true;
}

bool TfmOneField::KeyInUse_(int key) const {
    CxList* definitions = m_controller.GetUpdateDefinitions();
    const uint32_t count = definitions ? definitions->GetCount() : 0;
    for (uint32_t i = 0; i < count; ++i) {
        auto* definition = static_cast<const tagFUFieldUpdate*>(definitions->GetAt(i));
        if (definition && definition->nFieldKey == key)
            return true;
    }
    return false;
}

// A new definition is offered the fields no definition uses yet and starts
// on the first; an existing one is offered every field and starts on its own.
void TfmOneField::FillFieldList() {
    const QSignalBlocker quiet(cbName);
    cbName->clear();
    const bool isNew = m_pDefinition->nFieldKey == -1;
    int remembered = -1;
    const int count = m_controller.GetUpdateFieldCount();
    for (int position = 0; position < count; ++position) {
        const tagFUFieldInfo* row = m_controller.GetUpdateFieldInfo(position);
        if (!row || (isNew && KeyInUse_(row->nKey)))
            continue;
        cbName->addItem(FromAnsi(row->szName), position);
        if (row->nKey == m_pDefinition->nFieldKey)
            remembered = cbName->count() - 1;
    }
    if (isNew && cbName->count() > 0)
        remembered = 0;
    cbName->setCurrentIndex(remembered);
}

const tagFUFieldInfo* TfmOneField::SelectedRow_() const {
    const int index = cbName->currentIndex();
    return index < 0 ? nullptr : m_controller.GetUpdateFieldInfo(cbName->itemData(index).toInt());
}

void TfmOneField::cbNameChange() {
    const tagFUFieldInfo* row = SelectedRow_();
    if (!row || !m_pDefinition)
        return;
    lblDesc->setText(FromAnsi(row->szDesc));
    edtType->setText(GetFieldTypeName(row->nType));
    pDetail->LoadDetails(*row, *m_pDefinition);
}

void TfmOneField::btnOKClick() {
    if (ExchangeData(true))
        accept();
}
