// The wait window's operations and the way a load runs beside it: Qt
// widgets live on the GUI thread, so the blocking helper run goes to a
// worker thread while the GUI thread keeps the window painted and ignores
// the user's input.
#pragma once
#include <functional>

#include "wizard/controller/WizardInterfaces.h"

class QWidget;
class CxCommWaitWindow;

// Shows a new wait window; `mainWindow` comes back to the front when it stops.
bool StartWaitWindow(QWidget* mainWindow);
// Both may be called from any thread, before or after the window is shown.
void SetWaitText(const char* text);
void SetWaitStatusFile(const char* path);
// Closes the current wait window at once.
void StopWaitWindow();
// The window on the screen, null when none is.
CxCommWaitWindow* CurrentWaitWindow();

// Runs `work` on a worker thread and returns its result; meanwhile this
// thread paints and runs timers but drops every key, click and close request.
// An exception of `work` is thrown again here.
bool RunWithoutInput(const std::function<bool()>& work);
// Waits, painting and dropping input as above.
void PauseWithoutInput(int milliseconds);

// What the controller drives during a load.
class CxQtWaitWindow : public IWaitWindow {
public:
    explicit CxQtWaitWindow(QWidget* mainWindow) : m_main(mainWindow) {}
    void StartWaitWindow() override;
    void SetWaitText(const char* text) override;
    void SetWaitStatusFile(const char* path) override;
    void StopWaitWindow() override;
    bool RunWhileWaiting(const std::function<bool()>& load) override;

private:
    QWidget* m_main;
};
