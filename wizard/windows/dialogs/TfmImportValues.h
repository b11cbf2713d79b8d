// "Import Values": a values file whose rows set fields of the records their
// key matches. Shows the file's columns matched to fields by name, each one
// changeable or left out, the key field, and how many rows match how many
// loaded records; defines nothing until the file is sound.
#pragma once
#include <memory>
#include <vector>

#include <QDialog>

#include "wizard/controller/ValuesFile.h"
#include "wizard/controller/ValuesImport.h"

class CxFUValueTable;
class CxWizardController;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

class TfmImportValues : public QDialog {
    Q_OBJECT
public:
    TfmImportValues(CxWizardController& controller, QWidget* parent);

    // Reads `path` as the chosen file (the file dialog's answer does the same).
    void OpenFile(const QString& path);
    // The table OK defines; null while the file is not sound.
    const CxFUValueTable* Table() const { return m_table.get(); }
    // The field combo box of the file's column `column` (from 0); null outside.
    QComboBox* ColumnField(int column) const;

    QWidget* pTitle;
    QLabel* lblTitle;
    QLineEdit* edtFile;
    QPushButton* btnBrowse;
    QComboBox* cbEncoding;
    QScrollArea* sbColumns;
    QComboBox* cbKey;
    QLabel* lblMatch;
    QListWidget* lvUnmatched;
    QPlainTextEdit* memErrors;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout_();
    void ReadFile_();
    void FillColumns_();
    void FillKeys_();
    tagValuesPlan Plan_() const;
    void Check_();
    void ShowErrors_(const std::vector<std::string>& errors);
    void ShowMatch_();
    void btnBrowseClick();
    void btnOKClick();

    CxWizardController& m_controller;
    tagValuesFile m_file;
    bool m_bRead = false;
    std::vector<QComboBox*> m_fields; // one per column of the file
    QWidget* m_pColumns;
    std::shared_ptr<CxFUValueTable> m_table;
};
