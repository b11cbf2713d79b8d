// The values that did not fit their field, as the run's report tells them.
#pragma once
#include <string>

class CxWizardController;

// "Cut to the field's size: Display Name 2 records, Note 1 record.\n";
// empty when nothing was cut.
std::string BatchCutReport(const CxWizardController& controller);
