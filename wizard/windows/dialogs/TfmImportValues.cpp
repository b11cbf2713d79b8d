#include "TfmImportValues.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "wizard/controller/ValuesMatch.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardKinds.h"
#include "wizard/controller/WizardValues.h"
#include "wizard/update/VxValueTable.h"
#include "wizard/update/Vxlnkind.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

const char kTitle[] = "Choose a file of values and the field each of its columns sets.";
const char kLeftOut[] = "(left out)";
// The unmatched keys listed; the count tells the rest.
const int kUnmatchedShown = 1000;

const char* const kEncodings[] = {"UTF-8", "WINDOWS-1252", "ISO-8859-1", "ISO-8859-15", "UTF-16"};

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString Counted(std::size_t n, const char* one, const char* many) {
    return QString("%1 %2").arg(n).arg(n == 1 ? one : many);
}

} // namespace

TfmImportValues::TfmImportValues(CxWizardController& controller, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_controller(controller) {
    setObjectName("fmImportValues");
    setWindowTitle("Import Values");
    pTitle = TitleBand(this, kTitle, &lblTitle);
    edtFile = Named<QLineEdit>("edtFile", this);
    edtFile->setAccessibleName("File");
    edtFile->setReadOnly(true);
    btnBrowse = EllipsisButton("btnBrowse", this, "Choose the values file");
    cbEncoding = Named<QComboBox>("cbEncoding", this);
    for (const char* encoding : kEncodings)
        cbEncoding->addItem(encoding);
    sbColumns = Named<QScrollArea>("sbColumns", this);
    sbColumns->setWidgetResizable(true);
    m_pColumns = Named<QWidget>("pColumns");
    sbColumns->setWidget(m_pColumns);
    new QGridLayout(m_pColumns);
    cbKey = Named<QComboBox>("cbKey", this);
    lblMatch = Named<QLabel>("lblMatch", "No file is chosen.", this);
    lblMatch->setWordWrap(true);
    lvUnmatched = Named<QListWidget>("lvUnmatched", this);
    lvUnmatched->setAccessibleName("Rows that match no loaded record");
    memErrors = Named<QPlainTextEdit>("memErrors", this);
    memErrors->setReadOnly(true);
    memErrors->setPlaceholderText("The file's errors, with their lines and columns.");
    btnOK = Named<QPushButton>("btnOK", "&OK", this);
    btnOK->setDefault(true);
    btnOK->setEnabled(false);
    btnCancel = Named<QPushButton>("btnCancel", "&Cancel", this);
    BuildLayout_();

    connect(btnBrowse, &QPushButton::clicked, this, &TfmImportValues::btnBrowseClick);
    connect(cbEncoding, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TfmImportValues::ReadFile_);
    connect(cbKey, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TfmImportValues::Check_);
    connect(btnOK, &QPushButton::clicked, this, &TfmImportValues::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmImportValues::BuildLayout_() {
    auto* file = new QHBoxLayout;
    file->setSpacing(6);
    file->addWidget(edtFile, 1);
    file->addWidget(btnBrowse);
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);
    form->addRow("&File:", file);
    form->addRow("&Encoding:", cbEncoding);
    static_cast<QLabel*>(form->labelForField(file))->setBuddy(btnBrowse);

    auto* columnsLabel = new QLabel("Co&lumns and the fields they set:", this);
    columnsLabel->setBuddy(sbColumns);
    auto* unmatchedLabel = new QLabel("&Rows that match no loaded record:", this);
    unmatchedLabel->setBuddy(lvUnmatched);
    auto* errorsLabel = new QLabel("Error&s:", this);
    errorsLabel->setBuddy(memErrors);
    auto* keyForm = new QFormLayout;
    keyForm->addRow("&Key field:", cbKey);

    QVBoxLayout* body = DialogBody(this, pTitle);
    body->setSpacing(8);
    body->addLayout(form);
    body->addWidget(columnsLabel);
    body->addWidget(sbColumns, 2);
    body->addLayout(keyForm);
    body->addWidget(lblMatch);
    body->addWidget(unmatchedLabel);
    body->addWidget(lvUnmatched, 1);
    body->addWidget(errorsLabel);
    body->addWidget(memErrors, 1);
    body->addLayout(RightButtons({btnOK, btnCancel}));
    resize(640, 620);
}

void TfmImportValues::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

QComboBox* TfmImportValues::ColumnField(int column) const {
    return column >= 0 && column < static_cast<int>(m_fields.size())
               ? m_fields[static_cast<std::size_t>(column)]
               : nullptr;
}

void TfmImportValues::btnBrowseClick() {
    const QString chosen =
        prompts::OpenFileName(this, edtFile->text(), {"Values files (CSV)", "*.csv"});
    if (!chosen.isEmpty())
        OpenFile(chosen);
}

void TfmImportValues::OpenFile(const QString& path) {
    edtFile->setText(path);
    ReadFile_();
}

void TfmImportValues::ReadFile_() {
    m_table.reset();
    m_bRead = false;
    std::string error;
    const std::string path = edtFile->text().toStdString();
    if (!path.empty())
        m_bRead = ReadValuesFile(path, cbEncoding->currentText().toStdString(), &m_file, &error);
    if (!m_bRead)
        m_file = tagValuesFile();
    FillColumns_();
    if (!m_bRead) {
        ShowErrors_(error.empty() ? std::vector<std::string>() : std::vector<std::string>{error});
        lblMatch->setText(path.empty() ? "No file is chosen." : "The file cannot be used.");
        return;
    }
    Check_();
}

// One line per column: its name and the field it sets, matched by name.
void TfmImportValues::FillColumns_() {
    auto* grid = static_cast<QGridLayout*>(m_pColumns->layout());
    while (QLayoutItem* item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_fields.clear();
    const tagWizardKind* kind = GetWizardKind(m_controller.GetSettings().AppFlag);
    if (!kind)
        return;
    const tagValuesPlan plan = PlanValuesByName(m_file, *kind);
    for (std::size_t c = 0; c < m_file.header.cells.size(); ++c) {
        // A label with a buddy reads '&' as a mnemonic: a file's "R&D" stays "R&D".
        const QString name = QString::number(c + 1) + ": " +
                             Utf8(m_file.header.cells[c]).replace('&', QLatin1String("&&"));
        auto* label = Named<QLabel>(qPrintable("lblColumn" + QString::number(c + 1)), name);
        label->setTextFormat(Qt::PlainText);
        auto* field = Named<QComboBox>(qPrintable("cbColumn" + QString::number(c + 1)));
        field->addItem(kLeftOut, -1);
        for (int i = 0; i < kind->count(); ++i)
            field->addItem(FromAnsi(kind->at(i)->szName), kind->at(i)->nKey);
        field->setCurrentIndex(std::max(0, field->findData(plan.fields[c])));
        label->setBuddy(field);
        grid->addWidget(label, static_cast<int>(c), 0);
        grid->addWidget(field, static_cast<int>(c), 1);
        m_fields.push_back(field);
        connect(field, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &TfmImportValues::FillKeys_);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(static_cast<int>(m_fields.size()), 1);
    FillKeys_();
}

// The text fields the columns set; the choice stays when it can.
void TfmImportValues::FillKeys_() {
    const int kept = cbKey->currentIndex() >= 0 ? cbKey->currentData().toInt() : -1;
    {
        const QSignalBlocker quiet(cbKey);
        cbKey->clear();
        for (std::size_t c = 0; c < m_fields.size(); ++c) {
            const tagFUFieldInfo* row = m_controller.FindFieldInfo(m_fields[c]->currentData().toInt());
            if (row && row->nType == FU_TYPE_STRING)
                cbKey->addItem(FromAnsi(row->szName) + " (column " + QString::number(c + 1) + ")",
                               static_cast<int>(c));
        }
        const int at = cbKey->findData(kept);
        cbKey->setCurrentIndex(at >= 0 ? at : (cbKey->count() > 0 ? 0 : -1));
    }
    Check_();
}

tagValuesPlan TfmImportValues::Plan_() const {
    tagValuesPlan plan;
    for (QComboBox* field : m_fields)
        plan.fields.push_back(field->currentData().toInt());
    plan.nKeyColumn = cbKey->currentIndex() >= 0 ? cbKey->currentData().toInt() : -1;
    return plan;
}

void TfmImportValues::Check_() {
    m_table.reset();
    lvUnmatched->clear();
    const tagWizardKind* kind = GetWizardKind(m_controller.GetSettings().AppFlag);
    if (!m_bRead || !kind) {
        btnOK->setEnabled(false);
        return;
    }
    std::vector<std::string> errors;
    std::shared_ptr<CxFUValueTable> table;
    if (BuildValuesTable(m_file, Plan_(), *kind, &table, &errors) && table->GetColumnCount() == 0)
        errors.push_back("Choose a field for at least one column besides the key.");
    ShowErrors_(errors);
    if (!errors.empty()) {
        lblMatch->setText("Mend the file or the choices above; nothing is defined until the file "
                          "is sound.");
        btnOK->setEnabled(false);
        return;
    }
    m_table = table;
    ShowMatch_();
    btnOK->setEnabled(true);
}

void TfmImportValues::ShowErrors_(const std::vector<std::string>& errors) {
    QString text;
    for (const std::string& error : errors)
        text += (text.isEmpty() ? "" : "\n") + Utf8(error);
    memErrors->setPlainText(text);
}

void TfmImportValues::ShowMatch_() {
    const tagValuesMatch match = MatchValues(m_controller, *m_table);
    QString text = QString("%1 of %2 rows match %3; %4 none.")
                       .arg(match.nRowsMatched)
                       .arg(match.nRows)
                       .arg(Counted(match.nRecords, "loaded record", "loaded records"))
                       .arg(Counted(match.unmatched.size(), "row matches", "rows match"));
    if (!match.several.empty())
        text += QString(" %1 several records; each of those records is updated.")
                    .arg(Counted(match.several.size(), "key matches", "keys match"));
    lblMatch->setText(text);
    int shown = 0;
    for (std::size_t row : match.unmatched) {
        if (++shown > kUnmatchedShown) {
            lvUnmatched->addItem(QString("... and %1 more").arg(match.unmatched.size() - kUnmatchedShown));
            break;
        }
        const tagFUValueRow& values = m_table->GetRow(row);
        lvUnmatched->addItem(QString("line %1: %2").arg(values.nLine).arg(FromAnsi(values.key.c_str())));
    }
}

void TfmImportValues::btnOKClick() {
    if (!m_table) {
        prompts::Message(this, "Error", "The values file is not sound yet.", QMessageBox::Critical);
        return;
    }
    if (ImportWizardValues(m_controller, m_table))
        accept();
}
