// VXLN: the wizard that changes fields of many Lotus Notes records in one run.
#include "platform/Environment.h"
#include "wizard/windows/app/Application.h"
#include "wizard/windows/app/TfmMain.h"

int main(int argc, char** argv) {
    // Before any thread: the helpers must find the folders this run uses.
    platform::MakeFolderVariablesAbsolute();
    CxApplication app(argc, argv);
    TfmMain window;
    app.SetMainWindow(&window);
    window.show();
    return app.exec();
}
