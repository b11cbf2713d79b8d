// Step 5: what the update did, Lotus Notes on request, or another update.
#pragma once
#include "wizard/windows/pages/WizardPageWidget.h"

class QLabel;
class QPushButton;

class TfmFinish : public CxWizardPageWidget {
    Q_OBJECT
public:
    TfmFinish(CxWizardController& controller, QWidget* parent);
    // Entering fills the results; leaving does nothing.
    bool ExchangeData(bool leaving) override;

    QLabel* lblApp;
    QLabel* lblFields;
    QLabel* lblRec;
    QLabel* lblResult;
    // Under the records' count after a write-back that failed: how many the
    // helper did write.
    QLabel* lblWritten;
    QPushButton* btnLN;
    QPushButton* btnAnother;
    QPushButton* btnUndo; // takes back the run just made, after asking

private:
    void btnLNClick();
    void btnAnotherClick();
    void btnUndoClick_();
};
