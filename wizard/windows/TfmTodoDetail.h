// A task's fields, view only.
#pragma once
#include "wizard/windows/DetailDialog.h"

struct tagCommTaskRec;

class TfmTodoDetail : public CxDetailDialog {
    Q_OBJECT
public:
    explicit TfmTodoDetail(QWidget* parent);
    // Keeps the record and fills every control from it; null fills nothing.
    void ShowRecord(const tagCommTaskRec* record);

    QLineEdit* edtDesc;
    QLineEdit* edtPriority;
    QLineEdit* edtDueDate;
    QCheckBox* cbCompleted;
    QCheckBox* cbPrivate;
    QLineEdit* edtCategory;
    QPlainTextEdit* memNotes;

private:
    const tagCommTaskRec* m_pRecord;
};
