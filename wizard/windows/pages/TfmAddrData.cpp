#include "TfmAddrData.h"

#include <QTreeView>

#include "common/lotus/exchange/CxLNAddr.h"
#include "wizard/controller/WizardController.h"
#include "wizard/windows/dialogs/TfmAddrDetail.h"

namespace {

const tagRecordColumn kColumns[] = {
    {"First Name", 80, 1},       {"Last Name", 80, 3},    {"Email", 120, 37},
    {"Business Phone", 100, 25}, {"Home Phone", 100, 24}, {"Mobile Phone", 100, 26},
    {"Company", 100, 53},        {"Title", 80, 55},
};

const tagRecordPageKind kKind = {
    "fmAddrData",
    "lvAddrData",
    "btnAddrDetail",
    "pmAddrDetail",
    "pmiAddrSelAll",
    "pmiAddrClear",
    "pmiAddrDetail",
    "No contact record is selected. Please select the records you want to update.",
    false,
    kColumns,
    sizeof kColumns / sizeof kColumns[0],
    TfmAddrDetail::FieldText,
    LoadedRecords<&CxWizardController::GetAddrUtil>,
    CreateDetailDialog<TfmAddrDetail>,
};

} // namespace

TfmAddrData::TfmAddrData(CxWizardController& controller, QWidget* parent)
    : CxRecordPage(kKind, controller, parent), lvAddrData(List_()), btnAddrDetail(DetailButton_()),
      pmAddrDetail(Menu_()), pmiAddrSelAll(SelAllItem_()), pmiAddrClear(ClearItem_()),
      pmiAddrDetail(DetailItem_()) {
    lvAddrData->setAccessibleName("Lotus Notes Contacts");
}
