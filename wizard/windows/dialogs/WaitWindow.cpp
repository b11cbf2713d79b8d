#include "WaitWindow.h"

#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include "wizard/windows/dialogs/CxCommWaitWindow.h"

namespace {

// The current wait window: its shared text lives from the start, so a text
// given before the window paints is the one it paints.
std::mutex g_lock;
std::shared_ptr<CxWaitText> g_text;
QPointer<CxCommWaitWindow> g_window;
QPointer<QWidget> g_mainWindow;

std::shared_ptr<CxWaitText> CurrentText() {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_text;
}

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

// Installed on the application while a load or a pause runs.
class CxInputBlocker : public QObject {
public:
    CxInputBlocker() { qApp->installEventFilter(this); }
    ~CxInputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return IsUserInput(event->type());
    }
};

} // namespace

bool StartWaitWindow(QWidget* mainWindow) {
    StopWaitWindow();
    auto text = std::make_shared<CxWaitText>();
    {
        std::lock_guard<std::mutex> hold(g_lock);
        g_text = text;
        g_mainWindow = mainWindow;
    }
    auto* window = new CxCommWaitWindow(text);
    g_window = window;
    window->show();
    window->repaint();
    return true;
}

void SetWaitText(const char* text) {
    if (std::shared_ptr<CxWaitText> current = CurrentText())
        current->SetText(text);
}

void SetWaitStatusFile(const char* path) {
    if (std::shared_ptr<CxWaitText> current = CurrentText())
        current->SetStatusFile(path);
}

void StopWaitWindow() {
    QPointer<QWidget> mainWindow;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        g_text.reset();
        mainWindow = g_mainWindow;
        g_mainWindow = nullptr;
    }
    if (CxCommWaitWindow* window = g_window) {
        g_window = nullptr;
        delete window;
    }
    if (mainWindow) {
        mainWindow->raise();
        mainWindow->activateWindow();
    }
}

CxCommWaitWindow* CurrentWaitWindow() {
    return g_window;
}

bool RunWithoutInput(const std::function<bool()>& work) {
    CxInputBlocker blocker;
    QEventLoop loop;
    bool result = false;
    std::exception_ptr error;
    std::thread worker([&] {
        try {
            result = work();
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (error)
        std::rethrow_exception(error);
    return result;
}

void PauseWithoutInput(int milliseconds) {
    CxInputBlocker blocker;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void CxQtWaitWindow::StartWaitWindow() {
    ::StartWaitWindow(m_main);
}

void CxQtWaitWindow::SetWaitText(const char* text) {
    ::SetWaitText(text);
}

void CxQtWaitWindow::SetWaitStatusFile(const char* path) {
    ::SetWaitStatusFile(path);
}

void CxQtWaitWindow::StopWaitWindow() {
    ::StopWaitWindow();
}

bool CxQtWaitWindow::RunWhileWaiting(const std::function<bool()>& load) {
    return RunWithoutInput(load);
}
