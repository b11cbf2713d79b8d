// The program's application object: a fault thrown out of an event handler
// is shown, then the error report, and the program goes on.
#pragma once
#include <QApplication>
#include <QPointer>

#include "wizard/windows/app/TfmMain.h"

class CxApplication : public QApplication {
    Q_OBJECT
public:
    CxApplication(int& argc, char** argv);
    void SetMainWindow(TfmMain* window) { m_main = window; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void ShowFault_(const QString& message, bool reportFirst);

    QPointer<TfmMain> m_main;
};
