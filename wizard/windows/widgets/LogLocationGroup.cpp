#include "LogLocationGroup.h"

#include <sys/stat.h>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"
#include "wizard/controller/Apputil.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

void AddRow(QGridLayout* grid, int row, const char* caption, QLineEdit* edit, QPushButton* button) {
    auto* label = new QLabel(caption, edit->parentWidget());
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(button, row, 2);
}

QLineEdit* ReadOnlyEdit(const char* name, QWidget* parent) {
    auto* edit = Named<QLineEdit>(name, parent);
    edit->setReadOnly(true);
    return edit;
}

bool FileExists(const char* path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

CxLogLocationGroup::CxLogLocationGroup(const QString& intro, QWidget* parent)
    : QGroupBox(" Debug Information ", parent) {
    setObjectName("gbDebugInfo");
    edtFolder = ReadOnlyEdit("edtFolder", this);
    btnFolder = EllipsisButton("btnFolder", this, "Open the log folder");
    edtFile = ReadOnlyEdit("edtFile", this);
    btnFile = EllipsisButton("btnFile", this, "Open the log file");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setVerticalSpacing(8);
    int row = 0;
    if (!intro.isEmpty()) {
        auto* text = new QLabel(intro, this);
        text->setObjectName("lblDebugIntro");
        text->setWordWrap(true);
        grid->addWidget(text, row++, 0, 1, 3);
    }
    AddRow(grid, row++, "Log Folder:", edtFolder, btnFolder);
    AddRow(grid, row, "Log File:", edtFile, btnFile);
    setTabOrder(edtFolder, btnFolder);
    setTabOrder(btnFolder, edtFile);
    setTabOrder(edtFile, btnFile);

    connect(btnFolder, &QPushButton::clicked, this, &CxLogLocationGroup::btnFolderClick_);
    connect(btnFile, &QPushButton::clicked, this, &CxLogLocationGroup::btnFileClick_);
    Fill_();
}

void CxLogLocationGroup::Fill_() {
    char folder[CX_MAX_PATH] = "";
    const bool haveFolder = GetDataFolder(folder);
    btnFolder->setEnabled(haveFolder);
    btnFile->setEnabled(haveFolder);
    if (!haveFolder)
        return;
    char file[CX_MAX_PATH + 16];
    CxStrFormat(file, sizeof file, "%sappdebug.log", folder);
    edtFolder->setText(FromAnsi(folder));
    edtFile->setText(FromAnsi(file));
}

void CxLogLocationGroup::btnFolderClick_() {
    char folder[CX_MAX_PATH + 16] = "";
    ToAnsi(edtFolder->text(), folder);
    OpenWithShell(folder);
}

void CxLogLocationGroup::btnFileClick_() {
    char file[CX_MAX_PATH + 16] = "";
    ToAnsi(edtFile->text(), file);
    if (!FileExists(file)) {
        prompts::Message(this, "Error", "Debug log file doesn't exist", QMessageBox::Information);
        return;
    }
    OpenWithShell(file);
}
