// One helper run of a record kind: a load from Lotus Notes into the exchange
// data file, or a write-back of the exchange data file into Lotus Notes.
#pragma once

class CxLNBaseUtil;

// A step that fails without a Notes call behind it still leaves its reason
// in the error file.
void LNReportRunFailure(CxLNBaseUtil* util, const char* format, const char* value);

template <class Util> bool LNRun(Util* util) {
    util->InitErrorReport();
    switch (util->GetMode()) {
    case 1:
        if (!util->LoadFromDB())
            return false;
        if (util->SaveToFile(util->GetFileName()))
            return true;
        LNReportRunFailure(util, "Can not write the records to the file %s.", util->GetFileName());
        return false;
    case 2:
        if (!util->LoadFromFile(util->GetFileName(), true)) {
            LNReportRunFailure(util, "Can not read the records to write back from the file %s.",
                               util->GetFileName());
            return false;
        }
        return util->SaveToDB();
    default:
        LNReportRunFailure(util, "Unknown run mode in the parameter file%s.", "");
        return false;
    }
}
