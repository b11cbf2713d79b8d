// Step 3 for contacts.
#pragma once
#include "wizard/windows/pages/RecordPage.h"

class TfmAddrData : public CxRecordPage {
    Q_OBJECT
public:
    TfmAddrData(CxWizardController& controller, QWidget* parent);

    QTreeView* const lvAddrData;
    QPushButton* const btnAddrDetail;
    QMenu* const pmAddrDetail;
    QAction* const pmiAddrSelAll;
    QAction* const pmiAddrClear;
    QAction* const pmiAddrDetail;
};
