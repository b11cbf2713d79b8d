// The error report: apologises for an unexpected fault, names the support
// address and the log, and lets the user quit.
#pragma once
#include <QDialog>
#include <QPointer>

#include "wizard/controller/WizardInterfaces.h"

struct AppSettings;
class CxLogLocationGroup;
class CxProductHeader;
class QLabel;
class QPushButton;

class TfmDump : public QDialog, public IWizardPage {
    Q_OBJECT
public:
    // `mainWindow` owns the options dialog and is closed by Quit; may be null.
    TfmDump(AppSettings& settings, QWidget* mainWindow);
    bool ExchangeData(bool) override { return true; }

    CxProductHeader* pHeader;
    QLabel* lblSupport;
    CxLogLocationGroup* gbDebugInfo;
    QPushButton* btnDebug;
    QPushButton* btnOK;
    QPushButton* btnExit;

private:
    void btnDebugClick_();
    void btnExitClick_();

    AppSettings& m_settings;
    QPointer<QWidget> m_main;
};
