// The update run of the progress page and the texts of the finish page,
// without any window: the wizard's pages and the command-line front end
// share them.
#pragma once
#include <cstdint>
#include <string>

#include "wizard/update/UpdateRun.h"

class CxWizardController;

struct tagWizardUpdateResult {
    uint32_t nSelected;    // entries of SelectedRecords
    uint32_t nUpdated;     // records that had a Notes record and were updated
    bool bSubmitted;       // a write-back ran
    bool bSubmitFailed;    // ... and it failed
    int nChangedSinceLoad; // records left alone: changed in Lotus Notes after the load
    std::string sError;    // why it failed
    std::string sNotice;   // what the load or the write-back did otherwise than asked
    std::string sRun;      // the journaled run of the write-back, empty when none was kept
    // Of a write-back that failed: the documents its journal confirms; -1 otherwise.
    int nConfirmed = -1;
};

// (index + 1) * (100 / count) in floating point, cut towards zero; 0 when
// there is nothing to count.
int FUProgressPercent(uint32_t index, uint32_t count);

// Applies every definition to every selected record of the current kind;
// nothing is written back yet.
tagWizardUpdateResult ApplyWizardUpdates(CxWizardController& controller,
                                         const FUProgressFn& progress = FUProgressFn());
// Writes the changes back when at least one record was updated and keeps the
// outcome in `result` and in the controller. A write-back fails when
// SubmitChanges says so or the helper reported an error.
void SubmitWizardUpdates(CxWizardController& controller, tagWizardUpdateResult* result);
// Both in one.
tagWizardUpdateResult RunWizardUpdate(CxWizardController& controller,
                                      const FUProgressFn& progress = FUProgressFn());

struct tagFinishTexts {
    std::string sApp;
    std::string sFields;
    std::string sRecords;
    std::string sResult;
};

extern const char* const kUpdateSucceeded; // "Records updating successfully."

// The four result texts of the finish page; `result` null reads as success.
// The result text ends with the run's notice, if any.
tagFinishTexts MakeFinishTexts(int kind, uint32_t definitions, uint32_t selected,
                               const tagWizardUpdateResult* result);
