// One helper run of a record kind: a load from Lotus Notes into the exchange
// data file, or a write-back of the exchange data file into Lotus Notes.
#pragma once

template <class Util> bool LNRun(Util* util) {
    util->InitErrorReport();
    switch (util->GetMode()) {
    case 1:
        return util->LoadFromDB() && util->SaveToFile(util->GetFileName());
    case 2:
        return util->LoadFromFile(util->GetFileName()) && util->SaveToDB();
    default:
        return false;
    }
}
