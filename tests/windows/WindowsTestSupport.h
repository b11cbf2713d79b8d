// Finding controls by their names and letting the event loop run.
#pragma once
#include <gtest/gtest.h>

#include <ostream>

#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <QWidget>

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
