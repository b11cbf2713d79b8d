// Finding controls by their names and letting the event loop run.
#pragma once
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "TestSupport.h"

// The named control below `root`; fails the test when it is missing.
template <typename Control> Control* Find(const QWidget* root, const char* name) {
    Control* control = root->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

// Runs the event loop for a while: timers fire, nothing else is waited for.
inline void RunEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The shell stand-in runs detached; waits until it has written `text`.
inline bool WaitForShellOpen(const testsupport::IsolatedEnv& env, const std::string& text) {
    for (int i = 0; i < 300; ++i) {
        if (testsupport::ReadFile(env.ShellLog()).find(text) != std::string::npos)
            return true;
        RunEventsFor(10);
    }
    return false;
}
