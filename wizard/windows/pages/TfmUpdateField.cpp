#include "TfmUpdateField.h"

#include <cstdlib>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/misc/CxList.h"
#include "wizard/controller/WizardController.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/windows/dialogs/TfmImportValues.h"
#include "wizard/windows/dialogs/TfmOneField.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

const char kNoDefinitions[] = "Please add some field updating information.";
const char kFromFile[] =
    "This field takes its values from the imported file; choose Import Values... to change them.";

} // namespace

TfmUpdateField::TfmUpdateField(CxWizardController& controller, QWidget* parent)
    : CxWizardPageWidget(controller, parent) {
    setObjectName("fmUpdateField");
    lvFields = Named<QTreeWidget>("lvFields", this);
    lvFields->setAccessibleName("Field updates");
    lvFields->setColumnCount(2);
    lvFields->setHeaderLabels({"Field Name", "Update Details"});
    lvFields->setColumnWidth(0, 200);
    lvFields->setColumnWidth(1, 480);
    lvFields->setRootIsDecorated(false);
    lvFields->setItemsExpandable(false);
    lvFields->setUniformRowHeights(true);
    lvFields->setAllColumnsShowFocus(true);
    lvFields->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvFields->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The rows Delete and Properties act on stay marked while a button has the focus.
    QPalette palette = lvFields->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setBrush(QPalette::Inactive, role, palette.brush(QPalette::Active, role));
    lvFields->setPalette(palette);
    btnAdd = Named<QPushButton>("btnAdd", "&Add", this);
    btnDel = Named<QPushButton>("btnDel", "&Delete", this);
    btnProp = Named<QPushButton>("btnProp", "&Properties", this);
    btnImport = Named<QPushButton>("btnImport", "&Import Values...", this);
    // Saved definition lists are not offered yet.
    Label1 = Named<QLabel>("Label1", "Profiles:", this);
    btnLoad = Named<QPushButton>("btnLoad", "&Load", this);
    btnSave = Named<QPushButton>("btnSave", "&Save", this);
    Label1->hide();
    btnLoad->hide();
    btnSave->hide();
    BuildLayout_();

    connect(btnAdd, &QPushButton::clicked, this, &TfmUpdateField::btnAddClick);
    connect(btnDel, &QPushButton::clicked, this, &TfmUpdateField::btnDelClick);
    connect(btnProp, &QPushButton::clicked, this, &TfmUpdateField::btnPropClick);
    connect(btnImport, &QPushButton::clicked, this, &TfmUpdateField::btnImportClick);
    connect(lvFields, &QTreeWidget::itemDoubleClicked, this, &TfmUpdateField::btnPropClick);
    connect(lvFields, &QTreeWidget::itemSelectionChanged, this, &TfmUpdateField::lvFieldsChange);
    lvFieldsChange();
}

void TfmUpdateField::BuildLayout_() {
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton* button : {btnAdd, btnDel, btnProp, btnImport}) {
        button->setMinimumWidth(96);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(Label1);
    buttons->addWidget(btnLoad);
    buttons->addWidget(btnSave);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 16, 24, 16);
    page->setSpacing(10);
    page->addWidget(lvFields, 1);
    page->addLayout(buttons);
}

bool TfmUpdateField::ExchangeData(bool leaving) {
    if (!leaving) {
        FillDefinitionList();
        return true;
    }
    CxList* definitions = m_controller.GetUpdateDefinitions();
    if (definitions && definitions->GetCount() > 0)
        return true;
    prompts::Message(this, "Error", kNoDefinitions, QMessageBox::Critical);
    return false;
}

void TfmUpdateField::FillDefinitionList() {
    lvFields->clear();
    if (CxList* definitions = m_controller.GetUpdateDefinitions()) {
        for (void* p = definitions->GetFirst(); p; p = definitions->GetNext())
            ShowDefinition(new QTreeWidgetItem(lvFields), static_cast<tagFUFieldUpdate*>(p));
    }
    if (QTreeWidgetItem* first = lvFields->topLevelItem(0))
        lvFields->setCurrentItem(first);
    else
        lvFields->clearSelection();
    lvFieldsChange();
}

void TfmUpdateField::ShowDefinition(QTreeWidgetItem* row, tagFUFieldUpdate* definition) {
    const tagFUFieldInfo* field = m_controller.FindFieldInfo(definition->nFieldKey);
    if (!field)
        return;
    row->setText(0, FromAnsi(field->szName));
    row->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(definition)));
    row->setText(1, FromAnsi(DescribeUpdate(field, definition).c_str()));
}

tagFUFieldUpdate* TfmUpdateField::DefinitionOf_(const QTreeWidgetItem* row) const {
    return row ? static_cast<tagFUFieldUpdate*>(row->data(0, Qt::UserRole).value<void*>())
               : nullptr;
}

// The topmost selected row, whatever order the rows were selected in.
QTreeWidgetItem* TfmUpdateField::FirstSelected_() const {
    for (int i = 0; i < lvFields->topLevelItemCount(); ++i) {
        if (lvFields->topLevelItem(i)->isSelected())
            return lvFields->topLevelItem(i);
    }
    return nullptr;
}

int TfmUpdateField::RunDialog_(tagFUFieldUpdate* definition, const char* title) {
    TfmOneField dialog(m_controller, window());
    dialog.SetDefinition(definition);
    dialog.ExchangeData(false);
    dialog.SetTitle(title);
    return m_runDialog ? m_runDialog(dialog) : prompts::Exec(dialog);
}

void TfmUpdateField::btnAddClick() {
    CxList* definitions = m_controller.GetUpdateDefinitions();
    tagFUFieldUpdate* definition = definitions ? CxWizardController::NewDefinition() : nullptr;
    if (!definition)
        return;
    const bool added =
        RunDialog_(definition, "Add field updating definitions:") == QDialog::Accepted &&
        definitions->Add(definition);
    if (!added) {
        std::free(definition);
        return;
    }
    ShowDefinition(new QTreeWidgetItem(lvFields), definition);
}

void TfmUpdateField::btnDelClick() {
    QTreeWidgetItem* row = FirstSelected_();
    tagFUFieldUpdate* definition = DefinitionOf_(row);
    CxList* definitions = m_controller.GetUpdateDefinitions();
    if (!definition || !definitions)
        return;
    definitions->Remove(definition, true);
    delete row;
    lvFieldsChange();
}

void TfmUpdateField::btnPropClick() {
    QTreeWidgetItem* row = FirstSelected_();
    tagFUFieldUpdate* definition = DefinitionOf_(row);
    if (!definition)
        return;
    if (definition->nOperation == FU_OP_FROM_FILE) {
        prompts::Message(this, "Information", kFromFile, QMessageBox::Information);
        return;
    }
    if (RunDialog_(definition, "View field updating definitions:") == QDialog::Accepted)
        ShowDefinition(row, definition);
}

void TfmUpdateField::lvFieldsChange() {
    const bool selected = !lvFields->selectedItems().isEmpty();
    btnDel->setEnabled(selected);
    btnProp->setEnabled(selected);
}

// The file's definitions replace those of an earlier file, after the others.
void TfmUpdateField::btnImportClick() {
    if (!m_controller.GetUpdateDefinitions())
        return;
    TfmImportValues dialog(m_controller, window());
    const int result = m_runImport ? m_runImport(dialog) : prompts::Exec(dialog);
    if (result == QDialog::Accepted)
        FillDefinitionList();
}
