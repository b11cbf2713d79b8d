// Finding controls by their names and letting the event loop run.
#pragma once
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

// From the first page of a new main window through the load: the kind
// chosen by its button, `db` given on the access page as the contacts
// database or (`mail`) the mail database.
inline void LoadFromAccessPage(const QWidget* main, const char* kindButton, const std::string& db,
                               bool mail) {
    Find<QRadioButton>(main, kindButton)->click();
    Find<QPushButton>(main, "btnNext")->click();
    const QString path = QString::fromStdString(db);
    if (mail) {
        auto* specify = Find<QCheckBox>(main, "cbMailDBName");
        if (!specify->isChecked())
            specify->click();
        Find<QLineEdit>(main, "edtLNDBPath")->setText(path);
    } else {
        Find<QLineEdit>(main, "edtLNAddrPath")->setText(path);
    }
    Find<QPushButton>(main, "btnNext")->click();
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
