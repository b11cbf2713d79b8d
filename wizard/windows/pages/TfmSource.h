// Step 1: where Lotus Notes and its databases are and how to log in.
// Leaving it forward stores the options and loads the chosen kind.
#pragma once
#include <cstddef>

#include "wizard/windows/pages/WizardPageWidget.h"
#include "wizard/windows/widgets/Prompts.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TfmSource : public CxWizardPageWidget {
    Q_OBJECT
public:
    TfmSource(CxWizardController& controller, QWidget* parent);
    bool ExchangeData(bool leaving) override;

    QGroupBox* gbNotes;
    QLineEdit* edtNotesPath;
    QPushButton* btnNotesBrowse;
    QCheckBox* cbAddrLocal;
    QLineEdit* edtLNAddrPath;
    QPushButton* btnLNAddrBrowse;
    QLineEdit* edtServerName;
    QLineEdit* edtUserName;
    QCheckBox* cbLNPassword;
    QLineEdit* edtLNPassword;
    QCheckBox* cbMailDBName;
    QLineEdit* edtLNDBPath;
    QLineEdit* edtIDFile;
    QPushButton* btnIDFileBrowse;

private:
    typedef bool (*DefaultPathFn)(char* buffer, std::size_t size);

    void btnNotesBrowseClick();
    void btnLNAddrBrowseClick();
    void btnIDFileBrowseClick_();
    void cbAddrLocalClick();
    void cbMailDBNameClick();
    void cbLNPasswordClick();
    void Browse_(QLineEdit* edit, DefaultPathFn defaultPath, const prompts::tagFileFilter& filter);
    void BuildLayout_();
    void FillFromSettings_();
    void StoreToSettings_();
};
