#include "TfmSource.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/misc/WinUtil.h"
#include "wizard/controller/WizardController.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"

namespace {

const char kLoadingText[] = "Loading Lotus Notes information, please wait ...";

// The default fills an empty setting and is kept at once, so it is saved
// even when the user changes nothing.
template <std::size_t N>
void FillDefault(char (&field)[N], bool (*defaultPath)(char*, std::size_t)) {
    if (!field[0])
        defaultPath(field, N);
}

void SetTicked(QCheckBox* box, bool on, std::initializer_list<QWidget*> governed) {
    box->setChecked(on);
    for (QWidget* w : governed)
        w->setEnabled(on);
}

} // namespace

TfmSource::TfmSource(CxWizardController& controller, QWidget* parent)
    : CxWizardPageWidget(controller, parent) {
    setObjectName("fmSource");
    gbNotes = new QGroupBox(" Lotus Notes Information ", this);
    gbNotes->setObjectName("gbNotes");
    edtNotesPath = LimitedEdit("edtNotesPath", 255, gbNotes);
    btnNotesBrowse = EllipsisButton("btnNotesBrowse", gbNotes, "Browse for the Notes program");
    cbAddrLocal = Named<QCheckBox>("cbAddrLocal", "Choose Local Contacts DB (names.nsf)", gbNotes);
    edtLNAddrPath = LimitedEdit("edtLNAddrPath", 255, gbNotes);
    btnLNAddrBrowse = EllipsisButton("btnLNAddrBrowse", gbNotes, "Browse for the contacts database");
    edtServerName = LimitedEdit("edtServerName", 63, gbNotes);
    edtUserName = LimitedEdit("edtUserName", 63, gbNotes);
    cbLNPassword = Named<QCheckBox>("cbLNPassword", "Password Required:", gbNotes);
    edtLNPassword = LimitedEdit("edtLNPassword", 63, gbNotes);
    edtLNPassword->setEchoMode(QLineEdit::Password);
    // The edits below or beside a box are named after it.
    edtLNAddrPath->setAccessibleName("Local Contacts DB");
    edtLNPassword->setAccessibleName("Password");
    cbMailDBName = Named<QCheckBox>(
        "cbMailDBName", "Specify Mail Database Absolute Path ([your maildb].nsf)", gbNotes);
    edtLNDBPath = LimitedEdit("edtLNDBPath", 255, gbNotes);
    edtLNDBPath->setAccessibleName("Mail Database Absolute Path");
    edtIDFile = LimitedEdit("edtIDFile", 255, gbNotes);
    btnIDFileBrowse = EllipsisButton("btnIDFileBrowse", gbNotes, "Browse for the user ID file");
    BuildLayout_();

    connect(btnNotesBrowse, &QPushButton::clicked, this, &TfmSource::btnNotesBrowseClick);
    connect(btnLNAddrBrowse, &QPushButton::clicked, this, &TfmSource::btnLNAddrBrowseClick);
    connect(btnIDFileBrowse, &QPushButton::clicked, this, &TfmSource::btnIDFileBrowseClick_);
    connect(cbAddrLocal, &QCheckBox::toggled, this, &TfmSource::cbAddrLocalClick);
    connect(cbMailDBName, &QCheckBox::toggled, this, &TfmSource::cbMailDBNameClick);
    connect(cbLNPassword, &QCheckBox::toggled, this, &TfmSource::cbLNPasswordClick);
}

void TfmSource::BuildLayout_() {
    auto* grid = new QGridLayout(gbNotes);
    grid->setContentsMargins(20, 18, 20, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(7);
    grid->setColumnMinimumWidth(0, 150);
    auto label = [this](const char* name, const char* text, QWidget* buddy) {
        auto* caption = Named<QLabel>(name, text, gbNotes);
        caption->setBuddy(buddy);
        return caption;
    };
    // On screen the ID file row stands above the mail database row; the
    // tab order below keeps the mail database first.
    grid->addWidget(label("lblNotesPath", "Notes Path:", edtNotesPath), 0, 0);
    grid->addWidget(edtNotesPath, 0, 1);
    grid->addWidget(btnNotesBrowse, 0, 2);
    grid->addWidget(cbAddrLocal, 1, 0, 1, 3);
    grid->addWidget(edtLNAddrPath, 2, 1);
    grid->addWidget(btnLNAddrBrowse, 2, 2);
    grid->addWidget(label("lblServerName", "Domino Server Name:", edtServerName), 3, 0);
    grid->addWidget(edtServerName, 3, 1);
    grid->addWidget(label("lblUserName", "Your User Name:", edtUserName), 4, 0);
    grid->addWidget(edtUserName, 4, 1);
    grid->addWidget(cbLNPassword, 5, 0);
    grid->addWidget(edtLNPassword, 5, 1);
    grid->addWidget(label("lblIDFile", "User ID File:", edtIDFile), 6, 0);
    grid->addWidget(edtIDFile, 6, 1);
    grid->addWidget(btnIDFileBrowse, 6, 2);
    grid->addWidget(cbMailDBName, 7, 0, 1, 3);
    grid->addWidget(edtLNDBPath, 8, 1);
    grid->setRowStretch(9, 1);

    QWidget* order[] = {edtNotesPath,    btnNotesBrowse, cbAddrLocal, edtLNAddrPath,
                        btnLNAddrBrowse, edtServerName,  edtUserName, cbLNPassword,
                        edtLNPassword,   cbMailDBName,   edtLNDBPath, edtIDFile,
                        btnIDFileBrowse};
    for (std::size_t i = 1; i < sizeof order / sizeof order[0]; ++i)
        setTabOrder(order[i - 1], order[i]);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 16, 24, 16);
    page->addWidget(gbNotes);
}

bool TfmSource::ExchangeData(bool leaving) {
    if (!leaving) {
        FillFromSettings_();
        return true;
    }
    StoreToSettings_();
    m_controller.SetStepText(kLoadingText);
    if (m_controller.LoadNotesData()) {
        // A run that died in the data folder left work half done: say what.
        const std::string& previous = m_controller.GetPreviousRunNotice();
        if (!previous.empty())
            prompts::Message(this, "Information", FromAnsi(previous.c_str()),
                             QMessageBox::Information);
        return true;
    }
    // Nothing loads: the header goes back to the page's own description.
    m_controller.SetStepText(GetStepText(WIZARD_STEP_SOURCE));
    prompts::Message(this, "Error", FromAnsi(m_controller.GetLoadError()), QMessageBox::Critical);
    return false;
}

void TfmSource::FillFromSettings_() {
    AppSettings& s = m_controller.GetSettings();
    FillDefault(s.NotesPath, GetDefaultNotesExe);
    FillDefault(s.AddrFile, GetDefaultAddrFile);
    FillDefault(s.IDFile, GetDefaultIDFile);
    edtNotesPath->setText(FromAnsi(s.NotesPath));
    edtLNAddrPath->setText(FromAnsi(s.AddrFile));
    edtIDFile->setText(FromAnsi(s.IDFile));
    SetTicked(cbAddrLocal, s.AddrFile[0] != '\0', {edtLNAddrPath, btnLNAddrBrowse});
    edtLNDBPath->setText(FromAnsi(s.MailDBName));
    SetTicked(cbMailDBName, s.MailDBName[0] != '\0', {edtLNDBPath});
    edtServerName->setText(FromAnsi(s.ServerName));
    edtUserName->setText(FromAnsi(s.UserName));
    SetTicked(cbLNPassword, s.PasswordRequired, {edtLNPassword});
    edtLNPassword->setText(FromAnsi(s.Password));
}

void TfmSource::StoreToSettings_() {
    AppSettings& s = m_controller.GetSettings();
    ToAnsi(edtNotesPath->text(), s.NotesPath);
    ToAnsi(edtLNAddrPath->text(), s.AddrFile);
    // An unticked box means the mail database is reached through the server,
    // so its old path must not be loaded, nor shown ticked next time.
    ToAnsi(cbMailDBName->isChecked() ? edtLNDBPath->text() : QString(), s.MailDBName);
    ToAnsi(edtLNPassword->text(), s.Password);
    ToAnsi(edtServerName->text(), s.ServerName);
    ToAnsi(edtUserName->text(), s.UserName);
    ToAnsi(edtIDFile->text(), s.IDFile);
    s.PasswordRequired = cbLNPassword->isChecked();
}

void TfmSource::Browse_(QLineEdit* edit, DefaultPathFn defaultPath,
                        const prompts::tagFileFilter& filter) {
    char start[CX_MAX_PATH] = "";
    ToAnsi(edit->text(), start);
    if (!start[0])
        defaultPath(start, sizeof start);
    const QString chosen = prompts::OpenFileName(this, FromAnsi(start), filter);
    if (chosen.isEmpty())
        return;
    char path[CX_MAX_PATH] = "";
    ToAnsi(chosen, path);
    edit->setText(FromAnsi(path));
}

void TfmSource::btnNotesBrowseClick() {
    Browse_(edtNotesPath, GetDefaultNotesExe, {"Lotus Notes executable file", "notes"});
}

void TfmSource::btnLNAddrBrowseClick() {
    Browse_(edtLNAddrPath, GetDefaultAddrFile,
            {"Lotus Notes Contacts Database file (names.nsf)", "*.nsf"});
}

void TfmSource::btnIDFileBrowseClick_() {
    Browse_(edtIDFile, GetDefaultIDFile, {"Lotus Notes user ID file", "*.id"});
}

void TfmSource::cbAddrLocalClick() {
    const bool on = cbAddrLocal->isChecked();
    edtLNAddrPath->setEnabled(on);
    btnLNAddrBrowse->setEnabled(on);
}

void TfmSource::cbMailDBNameClick() {
    edtLNDBPath->setEnabled(cbMailDBName->isChecked());
}

void TfmSource::cbLNPasswordClick() {
    edtLNPassword->setEnabled(cbLNPassword->isChecked());
}
