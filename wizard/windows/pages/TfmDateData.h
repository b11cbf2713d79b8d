// Step 3 for calendar entries.
#pragma once
#include "wizard/windows/pages/RecordPage.h"

class TfmDateData : public CxRecordPage {
    Q_OBJECT
public:
    TfmDateData(CxWizardController& controller, QWidget* parent);

    QTreeView* const lvDateData;
    QPushButton* const btnDateDetail;
    QMenu* const pmDateData;
    QAction* const pmiDateSelAll;
    QAction* const pmiDateClear;
    QAction* const pmiDateDetail;
};
