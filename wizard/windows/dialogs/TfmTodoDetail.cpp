#include "TfmTodoDetail.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "wizard/windows/widgets/Controls.h"

namespace {

// Field keys of the task catalogue.
enum : int { KEY_SUBJECT = 0, KEY_NOTE = 1, KEY_DUE_DATE = 4, KEY_CATEGORY = 7 };

const std::size_t kDueDateTextSize = 31;

} // namespace

TfmTodoDetail::TfmTodoDetail(QWidget* parent)
    : CxKindDetailDialog("fmTodoDetail", "Task detail information", parent) {
    auto* page = Named<QWidget>("pTodo", this);
    QGridLayout* grid = Form_(page);
    grid->setContentsMargins(4, 4, 4, 0);
    grid->setVerticalSpacing(8);
    edtDesc = AddEdit_(grid, "edtDesc", "Description:", KEY_SUBJECT);
    edtPriority = AddEdit_(grid, "edtPriority", "Priority:", -1);
    edtDueDate = AddEdit_(grid, "edtDueDate", "Due Date:", KEY_DUE_DATE, kDueDateTextSize);
    cbCompleted = AddCheck_(grid, "cbCompleted", "Completed");
    cbPrivate = AddCheck_(grid, "cbPrivate", "Private");
    edtCategory = AddEdit_(grid, "edtCategory", "Category:", KEY_CATEGORY);
    memNotes = AddMemo_(grid, "memNotes", "Notes:", KEY_NOTE);
    memNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edtPriority->setFixedWidth(80);
    edtDueDate->setFixedWidth(120);
    grid->setAlignment(edtPriority, Qt::AlignLeft);
    grid->setAlignment(edtDueDate, Qt::AlignLeft);
    grid->setRowStretch(grid->rowCount() - 1, 1);
    Finish_(page, 480, 380);
}

void TfmTodoDetail::ShowRecord(const tagCommTaskRec* record) {
    if (!record)
        return;
    FillBound_(record);
    edtPriority->setText(QString::number(record->nPriority));
    cbCompleted->setChecked(record->bCompleted != 0);
    cbPrivate->setChecked(record->bPrivate != 0);
}
