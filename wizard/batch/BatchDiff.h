// The dry run: the updates applied in memory, each changed field printed as
// it was and as it would be. Nothing is written back.
#pragma once
#include <string>

class CxWizardController;

// Runs the update of the selected records without the write-back and
// returns the report; `changed` receives the number of records that changed.
std::string RunBatchDryRun(CxWizardController& controller, unsigned* changed);

// A date field's value as the dry run prints it.
std::string BatchDateText(double value, bool withTime);
