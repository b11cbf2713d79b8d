// A task's fields, view only.
#pragma once
#include "wizard/windows/dialogs/DetailDialog.h"

struct tagCommTaskRec;

class TfmTodoDetail : public CxDetailDialog {
    Q_OBJECT
public:
    explicit TfmTodoDetail(QWidget* parent);
    // Fills every control from the record; null fills nothing.
    void ShowRecord(const tagCommTaskRec* record);

    QLineEdit* edtDesc;
    QLineEdit* edtPriority;
    QLineEdit* edtDueDate;
    QCheckBox* cbCompleted;
    QCheckBox* cbPrivate;
    QLineEdit* edtCategory;
    QPlainTextEdit* memNotes;

private:
};
