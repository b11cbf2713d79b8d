#include "TfmDebug.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/misc/CxDebugUtil.h"
#include "wizard/controller/Apputil.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/LogLocationGroup.h"
#include "wizard/windows/widgets/ProductHeader.h"

namespace {

// List position and the level it stands for.
const struct {
    const char* text;
    int level;
} kLevels[] = {
    {"Critical - Only log critical error information.", 0},
    {"High - Log high level debug information.", 1},
    {"Low - Log very detail debug information.", 3},
};

int PositionOfLevel(int level) {
    return level == 0 ? 0 : (level == 1 ? 1 : 2);
}

int LevelAtPosition(int position) {
    return position == 0 || position == 1 ? kLevels[position].level : 3;
}

} // namespace

TfmDebug::TfmDebug(AppSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName("fmDebug");
    setWindowTitle("Corvane Debug Log Options");
    pHeader = new CxProductHeader(this);
    cbEnable = Named<QCheckBox>("cbEnable", "Enable Debug Log", this);
    cbxLevel = Named<QComboBox>("cbxLevel", this);
    gbDebugInfo = new CxLogLocationGroup(QString(), this);
    btnOK = Named<QPushButton>("btnOK", "&OK", this);
    btnOK->setDefault(true);
    btnCancel = Named<QPushButton>("btnCancel", "&Cancel", this);

    auto* level = new QHBoxLayout;
    auto* levelLabel = new QLabel("Set Debug Level:", this);
    levelLabel->setBuddy(cbxLevel);
    level->addWidget(levelLabel);
    level->addWidget(cbxLevel, 1);
    QVBoxLayout* body = DialogBody(this, pHeader);
    body->addWidget(cbEnable);
    body->addLayout(level);
    body->addWidget(gbDebugInfo);
    body->addLayout(RightButtons({btnOK, btnCancel}));
    setFixedSize(600, sizeHint().height());

    connect(btnOK, &QPushButton::clicked, this, &TfmDebug::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ExchangeData(false);
}

bool TfmDebug::ExchangeData(bool leaving) {
    if (!leaving) {
        cbEnable->setChecked(m_settings.EnableDebug);
        cbxLevel->clear();
        for (const auto& entry : kLevels)
            cbxLevel->addItem(entry.text);
        cbxLevel->setCurrentIndex(PositionOfLevel(m_settings.LogLevel));
        return true;
    }
    m_settings.EnableDebug = cbEnable->isChecked();
    m_settings.LogLevel = LevelAtPosition(cbxLevel->currentIndex());
    GetDebugUtil()->Enable(m_settings.EnableDebug);
    GetDebugUtil()->SetLevel(m_settings.LogLevel);
    return true;
}

void TfmDebug::btnOKClick() {
    if (ExchangeData(true))
        accept();
}
