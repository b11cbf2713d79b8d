#include "TfmFinish.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "common/misc/CxList.h"
#include "common/misc/WinUtil.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardRuns.h"
#include "wizard/controller/WizardWritten.h"
#include "wizard/controller/WizardUpdate.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

uint32_t CountOf(const CxList* list) {
    return list ? list->GetCount() : 0;
}

} // namespace

TfmFinish::TfmFinish(CxWizardController& controller, QWidget* parent)
    : CxWizardPageWidget(controller, parent) {
    setObjectName("fmFinish");
    auto* results = Named<QGroupBox>("gbResult", this);
    lblApp = Named<QLabel>("lblApp", results);
    lblFields = Named<QLabel>("lblFields", results);
    lblRec = Named<QLabel>("lblRec", results);
    lblResult = Named<QLabel>("lblResult", results);
    lblResult->setWordWrap(true);
    lblWritten = Named<QLabel>("lblWritten", results);
    lblWritten->setWordWrap(true);
    btnLN = Named<QPushButton>("btnLN", "Open &Lotus Notes", this);
    btnAnother = Named<QPushButton>("btnAnother", "Update &More", this);
    btnUndo = Named<QPushButton>("btnUndo", "&Undo This Run", this);

    auto* grid = new QGridLayout(results);
    grid->setContentsMargins(24, 20, 24, 20);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    grid->setColumnStretch(1, 1);
    const std::pair<const char*, QLabel*> rows[] = {{"Application Type:", lblApp},
                                                    {"Fields to Update:", lblFields},
                                                    {"Records Upated:", lblRec},
                                                    {"Result:", lblResult}};
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(r.first, results), row, 0, Qt::AlignTop);
        grid->addWidget(r.second, row++, 1);
        // What a write-back that failed did change stands under the records' count.
        if (r.second == lblRec)
            grid->addWidget(lblWritten, row++, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnLN);
    buttons->addWidget(btnAnother);
    buttons->addWidget(btnUndo);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(40, 30, 40, 24);
    page->setSpacing(16);
    page->addWidget(results);
    page->addLayout(buttons);
    page->addStretch(1);

    connect(btnLN, &QPushButton::clicked, this, &TfmFinish::btnLNClick);
    connect(btnAnother, &QPushButton::clicked, this, &TfmFinish::btnAnotherClick);
    connect(btnUndo, &QPushButton::clicked, this, &TfmFinish::btnUndoClick_);
}

bool TfmFinish::ExchangeData(bool leaving) {
    if (leaving)
        return true;
    const tagFinishTexts texts = MakeFinishTexts(
        m_controller.GetSettings().AppFlag, CountOf(m_controller.GetUpdateDefinitions()),
        CountOf(m_controller.GetSelectedRecords()), m_controller.GetUpdateResult());
    lblApp->setText(FromAnsi(texts.sApp.c_str()));
    lblFields->setText(FromAnsi(texts.sFields.c_str()));
    lblRec->setText(FromAnsi(texts.sRecords.c_str()));
    lblResult->setText(FromAnsi(texts.sResult.c_str()));
    const tagWizardUpdateResult* result = m_controller.GetUpdateResult();
    const std::string written =
        result ? DescribeConfirmedWrites(*result, "Undo This Run puts them back.") : std::string();
    lblWritten->setText(FromAnsi(written.c_str()));
    lblWritten->setVisible(!written.empty());
    btnUndo->setEnabled(result && !result->sRun.empty());
    return true;
}

void TfmFinish::btnLNClick() {
    const char* program = m_controller.GetSettings().NotesPath;
    if (program[0])
        OpenWithShell(program);
}

void TfmFinish::btnAnotherClick() {
    m_controller.GoToStep(WIZARD_STEP_MODE);
}

void TfmFinish::btnUndoClick_() {
    const tagWizardUpdateResult* result = m_controller.GetUpdateResult();
    if (!result || result->sRun.empty())
        return;
    const QMessageBox::StandardButton answer = prompts::Message(
        this, "Undo This Run",
        "Put back in Lotus Notes every value this run changed? Values changed in Lotus Notes "
        "since the run are left as they are.",
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const std::string run = result->sRun;
    tagLNUndoResult undo;
    if (m_controller.UndoRun(run.c_str(), false, &undo)) {
        lblResult->setText(QString::fromStdString(DescribeUndo(undo, false)));
        lblWritten->hide(); // put back: its advice is done
        btnUndo->setEnabled(false);
    } else {
        lblResult->setText("The undo failed: " + FromAnsi(m_controller.GetLoadError()));
    }
}
