#include "TfmTaskData.h"

#include <QTreeView>

#include "common/lotus/exchange/CxLNTask.h"
#include "wizard/controller/WizardController.h"
#include "wizard/windows/dialogs/TfmTodoDetail.h"

namespace {

const tagRecordColumn kColumns[] = {
    {"Description", 360, 0},
    {"Due Date", 100, 4},
    {"Priority", 80, 2},
    {"Completed", 80, 3},
};

const tagRecordPageKind kKind = {
    "fmTaskData",
    "lvTaskData",
    "btnTodoDetail",
    "pmiTodoData",
    "pmiTodoSelAll",
    "pmiTodoClear",
    "pmiTodoDetail",
    "No task record is selected. Please select the records you want to update.",
    true,
    kColumns,
    sizeof kColumns / sizeof kColumns[0],
    TfmTodoDetail::FieldText,
    LoadedRecords<&CxWizardController::GetTaskUtil>,
    CreateDetailDialog<TfmTodoDetail>,
};

} // namespace

TfmTaskData::TfmTaskData(CxWizardController& controller, QWidget* parent)
    : CxRecordPage(kKind, controller, parent), lvTaskData(List_()), btnTodoDetail(DetailButton_()),
      pmiTodoData(Menu_()), pmiTodoSelAll(SelAllItem_()), pmiTodoClear(ClearItem_()),
      pmiTodoDetail(DetailItem_()) {
    lvTaskData->setAccessibleName("Lotus Notes Tasks");
}
