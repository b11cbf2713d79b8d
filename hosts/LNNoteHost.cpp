#include <string>

#include "common/lotus/exchange/CxLNNote.h"
#include "hosts/HostMain.h"

// The notes kind carries no content: a fresh error report and an exchange
// file without records.
static bool RunNotes(CxLNNoteUtil& util) {
    util.InitErrorReport();
    bool saved = util.SaveToFile(nullptr);
    if (!saved) {
        std::string text = std::string("Can not write the records to the file ") +
                           util.GetFileName() + ".";
        util.ReportError(text.c_str());
    }
    util.FiniErrorReport();
    return saved;
}

int main(int argc, char** argv) { return hosts::HostMain<CxLNNoteUtil>(argc, argv, RunNotes); }
