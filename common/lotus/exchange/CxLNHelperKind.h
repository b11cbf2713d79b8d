// What a record kind brings to a helper run: its reader, its helper host
// program and the log lines of its load/submit cycle.
#pragma once

struct tagLNHelperKind {
    int nKind;                // record kind bit: 1 contacts, 2 calendar, 4 tasks, 8 notes
    const char* szHelperName; // file name of the helper host in the program's folder
    const char* szLoadStart;  // the log lines; null ones are not written
    const char* szLoadDone;
    const char* szLoadFailed;
    const char* szSubmitStart;
};

// Removes the parameter files every kind leaves in `folder` (ending with its
// separator): a run that was cut short may have left one, with a password in it.
void LNRemoveParamFiles(const char* folder);
