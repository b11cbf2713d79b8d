// The wait window: its squares, the status file, the hand-over between the
// load's thread and the window, and a load that keeps the window alive.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "TestSupport.h"
#include "WindowsTestSupport.h"
#include "wizard/windows/dialogs/CxCommWaitWindow.h"
#include "wizard/windows/dialogs/WaitWindow.h"

namespace {

bool AnyWaitWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<CxCommWaitWindow*>(w) && w->isVisible())
            return true;
    }
    return false;
}

TEST(WaitWindow, SquaresFillTheClientAreaThenStartAgain) {
    EXPECT_EQ(CxCommWaitWindow::SlotCount(478), 18);
    EXPECT_EQ(CxCommWaitWindow::SlotCount(40), 1);

    StartWaitWindow(nullptr);
    CxCommWaitWindow* window = CurrentWaitWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->size(), QSize(480, 150));
    EXPECT_EQ(window->ClientRect().width(), 478);
    const QColor square(0, 128, 192);
    auto squaresShown = [window, square] {
        const QImage picture = window->grab().toImage();
        int n = 0;
        while (n < 30 && picture.pixelColor(1 + 20 + 25 * n + 10, 1 + 106) == square)
            ++n;
        return n;
    };
    for (int i = 0; i < 17; ++i)
        window->OnTimer(CxCommWaitWindow::kTimerId);
    EXPECT_EQ(squaresShown(), 17);
    window->OnTimer(CxCommWaitWindow::kTimerId);
    EXPECT_EQ(squaresShown(), 0);
    window->OnTimer(CxCommWaitWindow::kTimerId + 1);
    EXPECT_EQ(window->TickCount(), 18);
    StopWaitWindow();
}

TEST(WaitWindow, ShowsTheStatusFilesFirstLineWithinATick) {
    testsupport::TempDir dir;
    const std::string status = dir.File("LNAddrStatus.dat");
    StartWaitWindow(nullptr);
    SetWaitText("Loading Lotus Notes Contacts...");
    SetWaitStatusFile(status.c_str());
    RunEventsFor(150); // no file yet: the text stays
    EXPECT_EQ(CurrentWaitWindow()->ShownText(), "Loading Lotus Notes Contacts...");
    testsupport::WriteFile(status, "Reading document 12\r\nstale second line\r\n");
    RunEventsFor(150);
    EXPECT_EQ(CurrentWaitWindow()->ShownText(), "Reading document 12");
    testsupport::WriteFile(status, "\r\n"); // an empty line changes nothing
    RunEventsFor(150);
    EXPECT_EQ(CurrentWaitWindow()->ShownText(), "Reading document 12");
    EXPECT_GE(CurrentWaitWindow()->ElapsedMs(), 300);
    StopWaitWindow();
}

TEST(WaitWindow, ATextGivenFromAnotherThreadRightAfterTheStartIsShown) {
    StartWaitWindow(nullptr);
    std::thread([] { SetWaitText("Loading Lotus Notes Tasks..."); }).join();
    CurrentWaitWindow()->grab();
    EXPECT_EQ(CurrentWaitWindow()->ShownText(), "Loading Lotus Notes Tasks...");
    StopWaitWindow();
}

TEST(WaitWindow, AStopRightAfterTheStartLeavesNoWindow) {
    StartWaitWindow(nullptr);
    StopWaitWindow();
    EXPECT_EQ(CurrentWaitWindow(), nullptr);
    EXPECT_FALSE(AnyWaitWindowVisible());
    // Texts after the stop go nowhere, and a new start begins empty.
    SetWaitText("late");
    StartWaitWindow(nullptr);
    CurrentWaitWindow()->grab();
    EXPECT_EQ(CurrentWaitWindow()->ShownText(), "");
    StopWaitWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(AnyWaitWindowVisible());
}

TEST(WaitWindow, NeverShowsATextHalfOldAndHalfNew) {
    const std::string a(1000, 'a');
    const std::string b(1000, 'b');
    StartWaitWindow(nullptr);
    std::atomic<bool> stop{false};
    std::atomic<int> writes{0};
    std::thread writer([&] {
        for (int i = 0; !stop; ++i, ++writes)
            SetWaitText((i % 2 ? a : b).c_str());
    });
    // The writer keeps changing the text through every paint.
    while (writes < 10)
        std::this_thread::yield();
    for (int paint = 0; paint < 200; ++paint) {
        CurrentWaitWindow()->grab();
        const QString shown = CurrentWaitWindow()->ShownText();
        if (shown != QString::fromStdString(a) && shown != QString::fromStdString(b)) {
            ADD_FAILURE() << "paint " << paint << " showed a mixed text";
            break;
        }
    }
    stop = true;
    writer.join();
    StopWaitWindow();
}

TEST(WaitWindow, ALoadRunsElsewhereWhileTheWindowTicksAndInputIsDropped) {
    QPushButton button("press");
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    StartWaitWindow(&button);
    const std::thread::id gui = std::this_thread::get_id();
    std::thread::id worker;
    // Made here: an input event belongs to a device of the GUI thread.
    auto* press = new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    auto* release = new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    const bool result = RunWithoutInput([&] {
        worker = std::this_thread::get_id();
        // A key pressed meanwhile must not reach the button.
        QCoreApplication::postEvent(&button, press);
        QCoreApplication::postEvent(&button, release);
        std::this_thread::sleep_for(std::chrono::milliseconds(450));
        return true;
    });
    EXPECT_TRUE(result);
    EXPECT_NE(worker, gui);
    EXPECT_GE(CurrentWaitWindow()->TickCount(), 2);
    StopWaitWindow();
    RunEventsFor(50);
    EXPECT_EQ(clicks, 0);

    EXPECT_THROW(RunWithoutInput([]() -> bool { throw std::runtime_error("lost"); }),
                 std::runtime_error);
}

} // namespace
