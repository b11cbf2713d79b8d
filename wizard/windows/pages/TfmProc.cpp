#include "TfmProc.h"

#include <algorithm>

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNStatusFile.h"
#include "common/lotus/exchange/CxLNStoredStatus.h"
#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardUpdate.h"
#include "wizard/windows/dialogs/WaitWindow.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"

namespace {

const char kUpdating[] = "Updating now, please wait ...";
const char kFinishing[] = "Update finishing ... ";
const int kFinishPauseMs = 200;
// How often the helper's status line is read during the write-back, as the
// wait window reads it.
const int kHelperStatusMs = 100;

} // namespace

TfmProc::TfmProc(CxWizardController& controller, QWidget* parent)
    : CxWizardPageWidget(controller, parent) {
    setObjectName("fmProc");
    lblStatus = Named<QLabel>("lblStatus", kUpdating, this);
    pbMain = Named<QProgressBar>("pbMain", this);
    pbMain->setRange(0, 100);
    pbMain->setValue(0);
    pbMain->setFormat("%p%");
    pbMain->setTextVisible(true);
    lblHelper = Named<QLabel>("lblHelper", this);
    lblHelper->setWordWrap(true);
    tmUpdate = Named<QTimer>("tmUpdate", this);
    tmUpdate->setInterval(500);
    connect(tmUpdate, &QTimer::timeout, this, &TfmProc::tmUpdateTimer);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(60, 110, 60, 60);
    page->setSpacing(14);
    page->addWidget(lblStatus);
    page->addWidget(pbMain);
    page->addWidget(lblHelper);
    page->addStretch(1);
}

bool TfmProc::ExchangeData(bool leaving) {
    if (!leaving) {
        // A second run starts from the beginning, not from the last run's end.
        lblStatus->setText(kUpdating);
        lblHelper->clear();
        pbMain->setValue(0);
        m_bRan = false;
        tmUpdate->start();
        return true;
    }
    // Next before the run would report an update that never happened.
    return m_bRan;
}

void TfmProc::ShowProgress_(int percent) {
    pbMain->setValue(percent);
    pbMain->repaint();
}

void TfmProc::tmUpdateTimer() {
    tmUpdate->stop();
    // The user went back before the tick: nothing is to run.
    if (m_controller.GetStep() != WIZARD_STEP_PROC)
        return;
    ShowProgress_(0);
    const int pause = m_controller.GetSettings().RecordPauseMs;
    tagWizardUpdateResult result =
        ApplyWizardUpdates(m_controller, [this, pause](uint32_t index, uint32_t count) {
            const int percent = FUProgressPercent(index, count);
            const bool moved = percent != pbMain->value();
            if (moved)
                ShowProgress_(percent);
            // Without a pause the window still paints, once a step of the bar.
            if (pause > 0 || moved)
                m_controller.Pause(pause);
        });
    ShowProgress_(100);
    lblStatus->setText(kFinishing);
    lblStatus->repaint();
    WriteBack_(&result);
    m_controller.Pause(kFinishPauseMs);
    m_bRan = true;
    m_controller.GoToStep(WIZARD_STEP_FINISH);
}

// The window keeps painting while the helper writes the records back, and
// tells what the helper says it has done.
void TfmProc::WriteBack_(tagWizardUpdateResult* result) {
    QTimer follow;
    follow.setInterval(kHelperStatusMs);
    connect(&follow, &QTimer::timeout, this, &TfmProc::ShowHelperStatus_);
    follow.start();
    RunWithoutInput([this, result] {
        SubmitWizardUpdates(m_controller, result);
        return true;
    });
    follow.stop();
    ShowHelperStatus_();
}

void TfmProc::ShowHelperStatus_() {
    const CxLNBaseUtil* util = m_controller.GetCurrentUtil();
    if (!util || !util->GetStatusFile()[0])
        return;
    char path[CX_MAX_PATH + 64];
    CxStrFormat(path, sizeof path, "%s%s", util->GetTempFilePath(), util->GetStatusFile());
    char line[512];
    if (!LNReadStatusLine(path, line, sizeof line))
        return;
    lblHelper->setText(FromAnsi(line));
    // The bar follows the documents stored once the helper says how many
    // it has to store.
    long stored = 0, total = -1;
    if (LNParseStoredStatus(line, &stored, &total) && total > 0)
        ShowProgress_(static_cast<int>(std::min(stored, total) * 100 / total));
}
