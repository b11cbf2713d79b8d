#include "TfmMode.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardSteps.h"
#include "wizard/windows/dialogs/TfmEarlierRuns.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/Prompts.h"

TfmMode::TfmMode(CxWizardController& controller, QWidget* parent)
    : CxWizardPageWidget(controller, parent) {
    setObjectName("fmMode");
    gbMode = Named<QGroupBox>("gbMode", " Select Application Records to Update ", this);
    rbtnAddr = Named<QRadioButton>("rbtnAddr", "Lotus Notes Contacts", gbMode);
    rbtnDate = Named<QRadioButton>("rbtnDate", "Lotus Notes Calendar", gbMode);
    rbtnTask = Named<QRadioButton>("rbtnTask", "Lotus Notes Tasks", gbMode);

    auto* buttons = new QVBoxLayout(gbMode);
    buttons->setContentsMargins(40, 24, 24, 24);
    buttons->setSpacing(18);
    buttons->addWidget(rbtnAddr);
    buttons->addWidget(rbtnDate);
    buttons->addWidget(rbtnTask);
    buttons->addStretch(1);

    btnRuns = Named<QPushButton>("btnRuns", "Earlier &Runs...", this);
    auto* runs = new QHBoxLayout;
    runs->addStretch(1);
    runs->addWidget(btnRuns);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(40, 30, 40, 24);
    page->setSpacing(12);
    page->addWidget(gbMode, 1);
    page->addLayout(runs);
    setTabOrder(rbtnTask, btnRuns);
    rbtnAddr->setChecked(true);
    connect(btnRuns, &QPushButton::clicked, this, &TfmMode::btnRunsClick_);
}

void TfmMode::btnRunsClick_() {
    TfmEarlierRuns runs(m_controller, window());
    prompts::Exec(runs);
}

bool TfmMode::ExchangeData(bool leaving) {
    AppSettings& s = m_controller.GetSettings();
    if (!leaving) {
        QRadioButton* chosen =
            s.AppFlag == LN_KIND_DATE ? rbtnDate : (s.AppFlag == LN_KIND_TASK ? rbtnTask : rbtnAddr);
        chosen->setChecked(true);
        return true;
    }
    s.AppFlag = rbtnDate->isChecked() ? LN_KIND_DATE
                : rbtnTask->isChecked() ? LN_KIND_TASK
                                        : LN_KIND_ADDR;
    return true;
}
