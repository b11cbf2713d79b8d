// A task's fields, view only.
#pragma once
#include "common/pim/CommTaskMgr.h"
#include "wizard/windows/dialogs/DetailDialog.h"

class TfmTodoDetail : public CxKindDetailDialog<CommTaskMgr, tagCommTaskRec> {
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
};
