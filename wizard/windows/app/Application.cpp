#include "Application.h"

#include <exception>

#include "wizard/windows/app/ProductStyle.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/TfmDump.h"
#include "wizard/windows/widgets/Prompts.h"

CxApplication::CxApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Corvane for Lotus Notes");
    setApplicationDisplayName("Corvane for Lotus Notes");
    ApplyProductStyle(*this);
}

bool CxApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& fault) {
        ShowFault_(QString::fromLocal8Bit(fault.what()), false);
    } catch (...) {
        ShowFault_(QString(), true);
    }
    return false;
}

// A known fault shows its message before the report; an unknown one the
// report first and then an empty message.
void CxApplication::ShowFault_(const QString& message, bool reportFirst) {
    auto report = [this] {
        if (!m_main)
            return;
        TfmDump dump(m_main->Controller().GetSettings(), m_main);
        prompts::Exec(dump);
    };
    if (reportFirst)
        report();
    prompts::Message(m_main, applicationName(), message, QMessageBox::Critical);
    if (!reportFirst)
        report();
}
