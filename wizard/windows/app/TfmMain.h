// The main window: header with the step description, the client area that
// shows one page at a time, and the button bar that moves between steps.
// The step machine itself is the controller's; this window is its view.
#pragma once
#include <array>

#include <QWidget>

#include "wizard/controller/WizardController.h"
#include "wizard/windows/dialogs/WaitWindow.h"

class CxProductHeader;
class CxWizardPageWidget;
class QLabel;
class QPushButton;

class TfmMain : public QWidget, public IWizardView {
    Q_OBJECT
public:
    explicit TfmMain(ILNDataFactory* factory = nullptr);
    ~TfmMain() override;

    CxWizardController& Controller() { return m_controller; }
    CxWizardPageWidget* Page(WizardPage page) const { return m_apPages[page]; }

    void SetPageVisible(WizardPage page, bool visible) override;
    void EnablePrev(bool on) override;
    void EnableNext(bool on) override;
    void SetCloseCaption(const char* caption) override;
    void SetStepText(const char* text) override;
    void ShowErrorReport() override;

    CxProductHeader* pHeader;
    QLabel* lblStep;
    QPushButton* btnHelp;
    QWidget* pClient;
    QWidget* pBottom;
    QPushButton* btnOption;
    QPushButton* btnPrev;
    QPushButton* btnNext;
    QPushButton* btnClose;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter and Esc that no control used: the window is a wizard, not a
    // dialog, so they are given their dialog meaning here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate(ILNDataFactory* factory);
    void CreateControls_();
    void CreatePages();
    void FormDestroy();
    void FreePages();
    void btnOptionClick_();
    // Next, or Finish once there is no next step; none while neither can be
    // pressed.
    QPushButton* DefaultButton_() const;
    void ShowDefault_();

    CxWizardController m_controller;
    CxQtWaitWindow m_wait;
    std::array<CxWizardPageWidget*, WIZARD_PAGE_COUNT> m_apPages{};
    bool m_bDestroyed = false;
};
