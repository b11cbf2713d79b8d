// Step 0: which kind of Lotus Notes record to update.
#pragma once
#include "wizard/windows/pages/WizardPageWidget.h"

class QGroupBox;
class QPushButton;
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
    // The journal's runs and their undo, whatever the kind chosen.
    QPushButton* btnRuns;

private:
    void btnRunsClick_();
};
