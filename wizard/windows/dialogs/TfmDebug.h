// The diagnostic log options: on or off, how much, and where the log is.
#pragma once
#include <QDialog>

#include "wizard/controller/WizardInterfaces.h"

struct AppSettings;
class CxLogLocationGroup;
class CxProductHeader;
class QCheckBox;
class QComboBox;
class QPushButton;

class TfmDebug : public QDialog, public IWizardPage {
    Q_OBJECT
public:
    TfmDebug(AppSettings& settings, QWidget* parent);
    bool ExchangeData(bool leaving) override;

    CxProductHeader* pHeader;
    QCheckBox* cbEnable;
    QComboBox* cbxLevel;
    CxLogLocationGroup* gbDebugInfo;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    void btnOKClick();

    AppSettings& m_settings;
};
