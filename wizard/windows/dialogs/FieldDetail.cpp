#include "FieldDetail.h"

#include <climits>
#include <cstring>
#include <initializer_list>
#include <utility>

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "wizard/update/VxTemplate.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/Prompts.h"
#include "wizard/windows/widgets/VariantDate.h"

namespace {

const char kTabCaption[] = "Updating Details";
const char kSetCaption[] = "Set the value of this field as:";
const char kNoEnumValue[] = "No enumeration value is selected.";
const char kNoTemplate[] = "The template can not be empty. Please enter some content.";

const int kTextMax = 255; // a definition's texts hold this many characters

QLineEdit* TextEdit(const char* name, QWidget* parent) {
    return LimitedEdit(name, kTextMax, parent);
}

QSpinBox* NumberBox(const char* name, int minimum, QWidget* parent) {
    auto* box = Named<QSpinBox>(name, parent);
    box->setRange(minimum, INT_MAX);
    box->setSingleStep(1);
    box->setValue(0);
    box->setMinimumWidth(90);
    return box;
}

// One line of a text operation: its edits with the words between them.
struct tagLinePart {
    tagLinePart(QWidget* w) : widget(w), text(nullptr) {}
    tagLinePart(const char* t) : widget(nullptr), text(t) {}
    QWidget* widget;
    const char* text;
};

QHBoxLayout* Line(QWidget* tab, std::initializer_list<tagLinePart> parts) {
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    for (const tagLinePart& part : parts) {
        if (part.widget)
            line->addWidget(part.widget, qobject_cast<QSpinBox*>(part.widget) ? 0 : 1);
        else
            line->addWidget(new QLabel(part.text, tab));
    }
    return line;
}

// The user's short date, always with a four-digit year.
QString ShortDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains("yyyy"))
        format.replace("yy", "yyyy");
    return format;
}

// A field's chosen date: a definition made here always has one, even on
// 30 December 1899 or before.
bool HasDate(const tagFUFieldUpdate& definition) {
    return definition.nDateSet || definition.dtValue >= 0.001;
}

int EnumCount(const tagFUFieldInfo& row) {
    return row.nEnumCount < 0 ? 0 : (row.nEnumCount > FU_MAX_ENUM ? FU_MAX_ENUM : row.nEnumCount);
}

} // namespace

CxFieldDetail::CxFieldDetail(QWidget* parent) : QTabWidget(parent) {
    setObjectName("pDetail");
    CreateStringTab_();
    CreateValueTabs_();
    CreateDateTab_();
    QWidget* order[] = {rbtnSet,          edtSetValue,    rbtnAppend,  edtAppendValue,
                        rbtnInsert,       edtInsertValue, edtPosition, rbtnReplace,
                        edtReplaceSource, edtReplaceDest, rbtnTemplate, edtTemplate,
                        cbTemplateField,  btnInsertField, edtIntValue, cbBoolValue,
                        cbEnumValue,      pDate,          pTime};
    for (std::size_t i = 1; i < sizeof order / sizeof order[0]; ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QRadioButton* operation : {rbtnSet, rbtnAppend, rbtnInsert, rbtnReplace, rbtnTemplate})
        connect(operation, &QRadioButton::toggled, this, &CxFieldDetail::UpdateEditStates);
    connect(btnInsertField, &QPushButton::clicked, this, &CxFieldDetail::btnInsertFieldClick);
}

void CxFieldDetail::SetFields(const tagFUKindFields* fields) {
    m_pFields = fields;
    cbTemplateField->clear();
    for (int i = 0; fields && i < fields->nCount; ++i)
        cbTemplateField->addItem(FromAnsi(fields->pFields[i].row.szName));
}

void CxFieldDetail::btnInsertFieldClick() {
    if (cbTemplateField->currentIndex() < 0)
        return;
    edtTemplate->insert("{" + cbTemplateField->currentText() + "}");
    edtTemplate->setFocus();
}

void CxFieldDetail::CreateStringTab_() {
    tString = Named<QWidget>("tString");
    rbtnSet = Named<QRadioButton>("rbtnSet", kSetCaption, tString);
    edtSetValue = TextEdit("edtSetValue", tString);
    rbtnAppend = Named<QRadioButton>("rbtnAppend", "Append ", tString);
    edtAppendValue = TextEdit("edtAppendValue", tString);
    rbtnInsert = Named<QRadioButton>("rbtnInsert", "Insert", tString);
    edtInsertValue = TextEdit("edtInsertValue", tString);
    edtPosition = NumberBox("edtPosition", 0, tString);
    rbtnReplace = Named<QRadioButton>("rbtnReplace", "Replace", tString);
    edtReplaceSource = TextEdit("edtReplaceSource", tString);
    edtReplaceDest = TextEdit("edtReplaceDest", tString);
    rbtnTemplate = Named<QRadioButton>("rbtnTemplate", "Set from fields:", tString);
    edtTemplate = TextEdit("edtTemplate", tString);
    edtTemplate->setPlaceholderText("{First Name} {Last Name}");
    cbTemplateField = Named<QComboBox>("cbTemplateField", tString);
    btnInsertField = Named<QPushButton>("btnInsertField", "Insert &Field", tString);
    // The edits stand beside their operation's button, without labels of their own.
    const std::pair<QWidget*, const char*> spoken[] = {
        {edtSetValue, "Set to"},          {edtAppendValue, "Append to the end of the field"},
        {edtInsertValue, "Insert"},       {edtPosition, "at field position"},
        {edtReplaceSource, "Replace"},    {edtReplaceDest, "with"},
        {edtTemplate, "Set from fields"}, {cbTemplateField, "Field to insert"},
    };
    for (const auto& control : spoken)
        control.first->setAccessibleName(control.second);

    // Radio buttons left, their edits in one column beside them.
    auto* grid = new QGridLayout(tString);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    grid->addWidget(rbtnSet, 0, 0, 1, 2);
    grid->addWidget(edtSetValue, 1, 1);
    grid->addWidget(rbtnAppend, 2, 0);
    grid->addLayout(Line(tString, {edtAppendValue, "to the end of the field."}), 2, 1);
    grid->addWidget(rbtnInsert, 3, 0);
    grid->addLayout(Line(tString, {edtInsertValue, "at field position", edtPosition}), 3, 1);
    grid->addWidget(rbtnReplace, 4, 0);
    grid->addLayout(Line(tString, {edtReplaceSource, "with", edtReplaceDest}), 4, 1);
    grid->addWidget(rbtnTemplate, 5, 0);
    grid->addWidget(edtTemplate, 5, 1);
    grid->addLayout(Line(tString, {cbTemplateField, btnInsertField}), 6, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);

    addTab(tString, kTabCaption);
}

QWidget* CxFieldDetail::AddTab_(const char* name, QWidget* value) {
    auto* tab = Named<QWidget>(name);
    value->setParent(tab);
    auto* column = new QVBoxLayout(tab);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(8);
    auto* caption = new QLabel(kSetCaption, tab);
    caption->setBuddy(value);
    column->addWidget(caption);
    column->addWidget(value, 0, Qt::AlignLeft);
    column->addStretch(1);
    addTab(tab, kTabCaption);
    return tab;
}

void CxFieldDetail::CreateValueTabs_() {
    edtIntValue = NumberBox("edtIntValue", INT_MIN, nullptr);
    edtIntValue->setMinimumWidth(160);
    edtIntValue->setAccessibleName("Number");
    tInteger = AddTab_("tInteger", edtIntValue);
    cbBoolValue = Named<QComboBox>("cbBoolValue");
    cbBoolValue->setMinimumWidth(160);
    cbBoolValue->setAccessibleName("Flag");
    tBool = AddTab_("tBool", cbBoolValue);
    cbEnumValue = Named<QComboBox>("cbEnumValue");
    cbEnumValue->setMinimumWidth(160);
    cbEnumValue->setAccessibleName("Choice");
    tEnum = AddTab_("tEnum", cbEnumValue);
}

void CxFieldDetail::CreateDateTab_() {
    auto* boxes = new QWidget;
    pDate = Named<QDateEdit>("pDate", boxes);
    pDate->setDisplayFormat(ShortDateFormat());
    pDate->setCalendarPopup(true);
    pDate->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31)); // the Variant years
    pDate->setMinimumWidth(130);
    pDate->setAccessibleName("Date");
    pTime = Named<QTimeEdit>("pTime", boxes);
    pTime->setDisplayFormat("HH:mm:ss");
    pTime->setMinimumWidth(100);
    pTime->setAccessibleName("Time");
    auto* line = new QHBoxLayout(boxes);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    line->addWidget(pDate);
    line->addWidget(pTime);
    // The caption's mnemonic leads to the date.
    boxes->setFocusProxy(pDate);
    tDateTime = AddTab_("tDateTime", boxes);
}

void CxFieldDetail::ShowTab_(QWidget* tab) {
    for (int i = 0; i < count(); ++i)
        setTabVisible(i, false);
    const int index = indexOf(tab);
    if (index < 0)
        return;
    setTabVisible(index, true);
    setCurrentIndex(index);
}

void CxFieldDetail::LoadDetails(const tagFUFieldInfo& row, const tagFUFieldUpdate& definition) {
    switch (row.nType) {
    case FU_TYPE_STRING:
        ShowTab_(tString);
        LoadString_(definition);
        break;
    case FU_TYPE_INTEGER:
        ShowTab_(tInteger);
        edtIntValue->setValue(definition.nValue);
        break;
    case FU_TYPE_BOOLEAN:
        ShowTab_(tBool);
        LoadBool_(definition);
        break;
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME:
        ShowTab_(tDateTime);
        LoadDate_(definition, row.nType == FU_TYPE_DATETIME);
        break;
    case FU_TYPE_ENUM:
        ShowTab_(tEnum);
        LoadEnum_(row, definition);
        break;
    default:
        ShowTab_(nullptr);
        break;
    }
}

void CxFieldDetail::LoadString_(const tagFUFieldUpdate& definition) {
    const QString value = FromAnsi(FUDefinitionText(definition.szValue).c_str());
    switch (definition.nOperation) {
    case FU_OP_APPEND:
        rbtnAppend->setChecked(true);
        edtAppendValue->setText(value);
        break;
    case FU_OP_INSERT:
        rbtnInsert->setChecked(true);
        edtInsertValue->setText(value);
        edtPosition->setValue(definition.nPosition);
        break;
    case FU_OP_REPLACE:
        rbtnReplace->setChecked(true);
        edtReplaceSource->setText(FromAnsi(FUDefinitionText(definition.szFind).c_str()));
        edtReplaceDest->setText(value);
        break;
    case FU_OP_TEMPLATE:
        rbtnTemplate->setChecked(true);
        edtTemplate->setText(value);
        break;
    default:
        rbtnSet->setChecked(true);
        edtSetValue->setText(value);
        break;
    }
    UpdateEditStates();
}

void CxFieldDetail::LoadBool_(const tagFUFieldUpdate& definition) {
    cbBoolValue->clear();
    cbBoolValue->addItem("True(Yes)");
    cbBoolValue->addItem("False(No)");
    cbBoolValue->setCurrentIndex(definition.bValue ? 0 : 1);
}

void CxFieldDetail::LoadEnum_(const tagFUFieldInfo& row, const tagFUFieldUpdate& definition) {
    cbEnumValue->clear();
    const int entries = EnumCount(row);
    for (int e = 0; e < entries; ++e)
        cbEnumValue->addItem(
            FromAnsi(std::string(row.szEnumNames[e], strnlen(row.szEnumNames[e], 32)).c_str()));
    cbEnumValue->setCurrentIndex(entries ? 0 : -1);
    for (int e = 0; e < entries; ++e) {
        if (row.nEnumValues[e] == definition.nValue) {
            cbEnumValue->setCurrentIndex(e);
            break;
        }
    }
}

void CxFieldDetail::LoadDate_(const tagFUFieldUpdate& definition, bool withTime) {
    const QDate date = VariantToDate(definition.dtValue);
    pDate->setDate(HasDate(definition) && date.isValid() ? date : QDate::currentDate());
    pTime->setVisible(withTime);
    if (!withTime)
        return;
    const QTime time = VariantToTime(definition.dtValue);
    pTime->setTime(time.isValid() ? time : QTime(0, 0));
}

void CxFieldDetail::UpdateEditStates() {
    QWidget* edits[] = {edtSetValue,      edtAppendValue, edtInsertValue,
                        edtPosition,      edtReplaceSource, edtReplaceDest,
                        edtTemplate,      cbTemplateField, btnInsertField};
    // Disabled edits take the grey background of the product's style.
    for (QWidget* edit : edits)
        edit->setEnabled(false);
    if (rbtnSet->isChecked()) {
        edtSetValue->setEnabled(true);
    } else if (rbtnAppend->isChecked()) {
        edtAppendValue->setEnabled(true);
    } else if (rbtnInsert->isChecked()) {
        edtInsertValue->setEnabled(true);
        edtPosition->setEnabled(true);
    } else if (rbtnTemplate->isChecked()) {
        for (QWidget* edit : {static_cast<QWidget*>(edtTemplate), static_cast<QWidget*>(cbTemplateField),
                              static_cast<QWidget*>(btnInsertField)})
            edit->setEnabled(true);
    } else {
        edtReplaceSource->setEnabled(true);
        edtReplaceDest->setEnabled(true);
    }
}

bool CxFieldDetail::Refuse_(const char* text, QWidget* focus) {
    prompts::Message(window(), "Error", text, QMessageBox::Critical);
    focus->setFocus();
    return false;
}

bool CxFieldDetail::SaveDetails(const tagFUFieldInfo& row, tagFUFieldUpdate* work) {
    switch (row.nType) {
    case FU_TYPE_STRING:
        return SaveString_(work);
    case FU_TYPE_INTEGER:
        work->nValue = edtIntValue->value();
        return true;
    case FU_TYPE_BOOLEAN:
        work->bValue = cbBoolValue->currentIndex() == 0 ? 1 : 0;
        return true;
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME:
        SaveDate_(work, row.nType == FU_TYPE_DATETIME);
        return true;
    case FU_TYPE_ENUM:
        return SaveEnum_(row, work);
    default:
        return true;
    }
}

bool CxFieldDetail::SaveString_(tagFUFieldUpdate* work) {
    if (rbtnSet->isChecked()) {
        work->nOperation = FU_OP_SET;
        ToAnsi(edtSetValue->text(), work->szValue);
    } else if (rbtnAppend->isChecked()) {
        work->nOperation = FU_OP_APPEND;
        if (edtAppendValue->text().isEmpty())
            return Refuse_(FUEmptyTextMessage(FU_OP_APPEND), edtAppendValue);
        ToAnsi(edtAppendValue->text(), work->szValue);
    } else if (rbtnInsert->isChecked()) {
        work->nOperation = FU_OP_INSERT;
        if (edtInsertValue->text().isEmpty())
            return Refuse_(FUEmptyTextMessage(FU_OP_INSERT), edtInsertValue);
        ToAnsi(edtInsertValue->text(), work->szValue);
        work->nPosition = edtPosition->value();
    } else if (rbtnTemplate->isChecked()) {
        return SaveTemplate_(work);
    } else {
        work->nOperation = FU_OP_REPLACE;
        if (edtReplaceSource->text().isEmpty())
            return Refuse_(FUEmptyTextMessage(FU_OP_REPLACE), edtReplaceSource);
        ToAnsi(edtReplaceSource->text(), work->szFind);
        ToAnsi(edtReplaceDest->text(), work->szValue);
    }
    return true;
}

// Only a template whose fields all exist is kept.
bool CxFieldDetail::SaveTemplate_(tagFUFieldUpdate* work) {
    work->nOperation = FU_OP_TEMPLATE;
    if (edtTemplate->text().isEmpty())
        return Refuse_(kNoTemplate, edtTemplate);
    ToAnsi(edtTemplate->text(), work->szValue);
    std::vector<tagFUTemplatePart> parts;
    std::string why;
    if (m_pFields && !FUParseTemplate(work->szValue, *m_pFields, &parts, &why))
        return Refuse_(why.c_str(), edtTemplate);
    return true;
}

// A field without a chosen entry would be written with 0, which is no value
// of the field at all.
bool CxFieldDetail::SaveEnum_(const tagFUFieldInfo& row, tagFUFieldUpdate* work) {
    const int chosen = cbEnumValue->currentIndex();
    if (chosen < 0 || chosen >= EnumCount(row))
        return Refuse_(kNoEnumValue, cbEnumValue);
    work->nValue = row.nEnumValues[chosen];
    return true;
}

// A Date field's day carries no time of day.
void CxFieldDetail::SaveDate_(tagFUFieldUpdate* work, bool withTime) {
    work->nDateSet = 1;
    DateToVariant(pDate->date(), withTime ? pTime->time() : QTime(), &work->dtValue);
}
