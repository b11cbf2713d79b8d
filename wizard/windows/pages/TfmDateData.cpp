#include "TfmDateData.h"

#include <QTreeView>

#include "common/lotus/exchange/CxLNDate.h"
#include "wizard/controller/WizardController.h"
#include "wizard/windows/dialogs/TfmDateDetail.h"

namespace {

const tagRecordColumn kColumns[] = {
    {"Description", 360, 1},
    {"Date", 100, 6},
    {"Start Time", 100, 2},
    {"End Time", 100, 3},
};

const tagRecordPageKind kKind = {
    "fmDateData",
    "lvDateData",
    "btnDateDetail",
    "pmDateData",
    "pmiDateSelAll",
    "pmiDateClear",
    "pmiDateDetail",
    "No calendar record is selected. Please select the records you want to update.",
    false,
    kColumns,
    sizeof kColumns / sizeof kColumns[0],
    TfmDateDetail::FieldText,
    LoadedRecords<&CxWizardController::GetDateUtil>,
    CreateDetailDialog<TfmDateDetail>,
};

} // namespace

TfmDateData::TfmDateData(CxWizardController& controller, QWidget* parent)
    : CxRecordPage(kKind, controller, parent), lvDateData(List_()), btnDateDetail(DetailButton_()),
      pmDateData(Menu_()), pmiDateSelAll(SelAllItem_()), pmiDateClear(ClearItem_()),
      pmiDateDetail(DetailItem_()) {
    lvDateData->setAccessibleName("Lotus Notes Calendar");
}
