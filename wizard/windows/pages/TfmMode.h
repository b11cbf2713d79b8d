// Step 0: which kind of Lotus Notes record to update.
#pragma once
#include "wizard/windows/pages/WizardPageWidget.h"

class QGroupBox;
class QRadioButton;

class TfmMode : public CxWizardPageWidget {
    Q_OBJECT
public:
    TfmMode(CxWizardController& controller, QWidget* parent);
    bool ExchangeData(bool leaving) override;

    QGroupBox* gbMode;
    QRadioButton* rbtnAddr;
    QRadioButton* rbtnDate;
    QRadioButton* rbtnTask;
};
