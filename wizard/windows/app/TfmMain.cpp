#include "TfmMain.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "wizard/controller/Apputil.h"
#include "wizard/windows/dialogs/TfmDebug.h"
#include "wizard/windows/dialogs/TfmDump.h"
#include "wizard/windows/pages/TfmAddrData.h"
#include "wizard/windows/pages/TfmDateData.h"
#include "wizard/windows/pages/TfmFinish.h"
#include "wizard/windows/pages/TfmMode.h"
#include "wizard/windows/pages/TfmProc.h"
#include "wizard/windows/pages/TfmSource.h"
#include "wizard/windows/pages/TfmTaskData.h"
#include "wizard/windows/pages/TfmUpdateField.h"
#include "wizard/windows/pages/WizardPageWidget.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/ProductHeader.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

const int kClientWidth = 794;
const int kClientHeight = 544;

QPushButton* BarButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = Named<QPushButton>(name, caption, parent);
    button->setMinimumWidth(88);
    return button;
}

// A plain widget reaches screen readers as a pane; this one is the
// program's window.
QAccessibleInterface* MainWindowAccessible(const QString& className, QObject* object) {
    auto* window = qobject_cast<TfmMain*>(object);
    if (className != QLatin1String("TfmMain") || !window)
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window);
}

// Return, or Enter on the keypad, pressed on its own.
bool IsEnterKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers extra = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           extra == Qt::NoModifier;
}

} // namespace

TfmMain::TfmMain(ILNDataFactory* factory)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      m_wait(this) {
    FormCreate(factory);
}

TfmMain::~TfmMain() {
    FormDestroy();
}

void TfmMain::FormCreate(ILNDataFactory* factory) {
    static const bool kFactory = (QAccessible::installFactory(MainWindowAccessible), true);
    (void)kFactory;
    setObjectName("fmMain");
    setWindowTitle("Corvane for Lotus Notes");
    setAccessibleName(windowTitle());
    setWindowIcon(QIcon(":/vxln/icon.svg"));
    setFixedSize(kClientWidth, kClientHeight);
    CentreOnScreen(this);
    CreateControls_();
    CreatePages();
    m_controller.SetView(this);
    m_controller.SetWaitWindow(&m_wait);
    m_controller.SetDataFactory(factory);
    m_controller.SetPause(PauseWithoutInput);
    // Data folder, settings, log, then step 0.
    m_controller.Start();
}

void TfmMain::CreateControls_() {
    pHeader = new CxProductHeader(this);
    btnHelp = BarButton("btnHelp", "&Help", pHeader);
    pHeader->Row()->addWidget(btnHelp, 0, Qt::AlignVCenter);
    lblStep = Named<QLabel>("lblStep", this);
    pClient = Named<QWidget>("pClient", this);
    pBottom = Named<QWidget>("pBottom", this);
    pBottom->setAttribute(Qt::WA_StyledBackground);
    btnOption = BarButton("btnOption", "&Options", pBottom);
    btnPrev = BarButton("btnPrev", "< &Prev", pBottom);
    btnNext = BarButton("btnNext", "&Next >", pBottom);
    btnClose = BarButton("btnClose", "&Cancel", pBottom);
    btnNext->setDefault(true);

    auto* bar = new QHBoxLayout(pBottom);
    bar->setContentsMargins(12, 10, 12, 10);
    bar->addWidget(btnOption);
    bar->addStretch(1);
    bar->addWidget(btnPrev);
    bar->addWidget(btnNext);
    bar->addSpacing(16);
    bar->addWidget(btnClose);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addWidget(pHeader);
    window->addWidget(lblStep);
    window->addWidget(pClient, 1);
    window->addWidget(pBottom);

    connect(btnNext, &QPushButton::clicked,
            [this] { m_controller.GoToStep(m_controller.GetStep() + 1); });
    connect(btnPrev, &QPushButton::clicked,
            [this] { m_controller.GoToStep(m_controller.GetStep() - 1); });
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(btnOption, &QPushButton::clicked, this, &TfmMain::btnOptionClick_);
    connect(btnHelp, &QPushButton::clicked, [] { OpenHelpFile(); });
}

void TfmMain::CreatePages() {
    auto* stack = new QGridLayout(pClient);
    stack->setContentsMargins(0, 0, 0, 0);
    m_apPages[WIZARD_PAGE_MODE] = new TfmMode(m_controller, pClient);
    m_apPages[WIZARD_PAGE_SOURCE] = new TfmSource(m_controller, pClient);
    m_apPages[WIZARD_PAGE_UPDATE_FIELD] = new TfmUpdateField(m_controller, pClient);
    m_apPages[WIZARD_PAGE_ADDR_DATA] = new TfmAddrData(m_controller, pClient);
    m_apPages[WIZARD_PAGE_DATE_DATA] = new TfmDateData(m_controller, pClient);
    m_apPages[WIZARD_PAGE_TASK_DATA] = new TfmTaskData(m_controller, pClient);
    m_apPages[WIZARD_PAGE_PROC] = new TfmProc(m_controller, pClient);
    m_apPages[WIZARD_PAGE_FINISH] = new TfmFinish(m_controller, pClient);
    // Every page fills the client area; only the current one is visible.
    for (int page = 0; page < WIZARD_PAGE_COUNT; ++page) {
        stack->addWidget(m_apPages[page], 0, 0);
        m_apPages[page]->hide();
        m_controller.SetPage(static_cast<WizardPage>(page), m_apPages[page]);
    }
    // Tab goes from the page's controls along the button bar from left to
    // right, then to the header's Help and round to the page again.
    setTabOrder(btnOption, btnPrev);
    setTabOrder(btnPrev, btnNext);
    setTabOrder(btnNext, btnClose);
    setTabOrder(btnClose, btnHelp);
}

void TfmMain::FormDestroy() {
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;
    m_controller.Shutdown();
    FreePages();
}

void TfmMain::FreePages() {
    for (int page = 0; page < WIZARD_PAGE_COUNT; ++page) {
        m_controller.SetPage(static_cast<WizardPage>(page), nullptr);
        delete m_apPages[page];
        m_apPages[page] = nullptr;
    }
}

void TfmMain::closeEvent(QCloseEvent* event) {
    // The settings reach the file however the window is closed.
    FormDestroy();
    event->accept();
}

void TfmMain::keyPressEvent(QKeyEvent* event) {
    QPushButton* button = nullptr;
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        button = btnClose;
    } else if (IsEnterKey(*event)) {
        // A button with the focus is pressed by Enter as by Space.
        button = qobject_cast<QPushButton*>(focusWidget());
        if (!button || !button->isVisible() || !button->isEnabled())
            button = DefaultButton_();
    }
    if (!button) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Closing frees the pages, the control the key came to among them: the
    // window closes once the key has been dealt with.
    if (button == btnClose)
        QTimer::singleShot(0, btnClose, &QPushButton::click);
    else
        button->click();
}

QPushButton* TfmMain::DefaultButton_() const {
    if (btnNext->isEnabled())
        return btnNext;
    return m_controller.GetStep() == WIZARD_STEP_FINISH ? btnClose : nullptr;
}

void TfmMain::ShowDefault_() {
    QPushButton* button = DefaultButton_();
    btnNext->setDefault(button == btnNext);
    btnClose->setDefault(button == btnClose);
}

void TfmMain::SetPageVisible(WizardPage page, bool visible) {
    if (page >= 0 && page < WIZARD_PAGE_COUNT && m_apPages[page])
        m_apPages[page]->setVisible(visible);
}

void TfmMain::EnablePrev(bool on) {
    btnPrev->setEnabled(on);
}

void TfmMain::EnableNext(bool on) {
    btnNext->setEnabled(on);
    ShowDefault_();
}

void TfmMain::SetCloseCaption(const char* caption) {
    btnClose->setText(FromAnsi(caption));
    ShowDefault_();
}

void TfmMain::SetStepText(const char* text) {
    lblStep->setText(FromAnsi(text));
    lblStep->repaint();
}

void TfmMain::ShowErrorReport() {
    TfmDump report(m_controller.GetSettings(), this);
    prompts::Exec(report);
}

void TfmMain::btnOptionClick_() {
    TfmDebug options(m_controller.GetSettings(), this);
    prompts::Exec(options);
}
