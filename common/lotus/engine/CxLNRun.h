// One helper run of a record kind: a load from Lotus Notes into the exchange
// data file, or a write-back of the exchange data file into Lotus Notes.
#pragma once
#include "common/lotus/engine/CxLNJournal.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/engine/CxLNSafeRun.h"
#include "common/lotus/engine/CxLNUndoRun.h"

class CxLNBaseUtil;

// A step that fails without a Notes call behind it still leaves its reason
// in the error file.
void LNReportRunFailure(CxLNBaseUtil* util, const char* format, const char* value);

template <class Util> bool LNRun(Util* util) {
    LNResetRunStop();
    LNResetReportStop();
    util->InitErrorReport();
    // Without its error file the run could not tell how it went.
    if (!LNStopReason().empty())
        return false;
    const tagLNRunTarget target = LNRunTarget(*util);
    switch (util->GetMode()) {
    case 1:
        LNForgetLoadState();
        if (!util->LoadFromDB())
            return false;
        if (!util->SaveToFile(util->GetFileName())) {
            LNReportRunFailure(util, "Can not write the records to the file %s.",
                               util->GetFileName());
            return false;
        }
        return LNKeepLoadState(util, target) && LNStopReason().empty();
    case 2: {
        // Nothing is read, let alone written, before both checks hold.
        if (!LNTakeLoadState(util, target) || !LNCheckSavedRecords(util))
            return false;
        if (!util->LoadFromFile(util->GetFileName(), true)) {
            LNReportRunFailure(util, "Can not read the records to write back from the file %s.",
                               util->GetFileName());
            return false;
        }
        LNJournal().Prepare(util->GetTempFilePath(), target);
        const bool saved = util->SaveToDB();
        LNJournal().Finish(LNStopReason());
        LNJournal().Close();
        LNSettleLoadState(util, target);
        // What this run knew of the load is its own.
        LNForgetLoadState();
        return saved && LNStopReason().empty();
    }
    case 3:
        return LNUndoRun(util, target, [util] { return util->SaveToDB(); }) &&
               LNStopReason().empty();
    default:
        LNReportRunFailure(util, "Unknown run mode in the parameter file%s.", "");
        return false;
    }
}
