// Step 4: applies the field updates to the selected records with a moving
// bar, writes the changes back, then moves on to the finish page.
#pragma once
#include "wizard/windows/pages/WizardPageWidget.h"

struct tagWizardUpdateResult;

class QLabel;
class QProgressBar;
class QTimer;

class TfmProc : public CxWizardPageWidget {
    Q_OBJECT
public:
    TfmProc(CxWizardController& controller, QWidget* parent);
    // Entering arms the update; leaving forward waits for it to have run.
    bool ExchangeData(bool leaving) override;

    QLabel* lblStatus;
    QProgressBar* pbMain;
    QTimer* tmUpdate;
    // Under the bar during the write-back: the helper's own status line.
    QLabel* lblHelper;

private:
    void tmUpdateTimer();
    void ShowProgress_(int percent);
    // Reads the helper's status line into lblHelper.
    void ShowHelperStatus_();
    void WriteBack_(tagWizardUpdateResult* result);

    bool m_bRan = false; // since the last entry
};
