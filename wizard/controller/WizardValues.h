// The values file of a run in the controller's state: the current kind's
// engine reads it, UpdateDefinitions holds one definition per column.
#pragma once
#include <memory>

class CxFUValueTable;
class CxWizardController;

// The current kind's engine reads `table`; false before a load.
bool SetWizardValues(CxWizardController& controller, std::shared_ptr<const CxFUValueTable> table);
// As SetWizardValues, and the definitions of an earlier file are replaced
// by one for each column of `table`, after the other definitions.
bool ImportWizardValues(CxWizardController& controller,
                        std::shared_ptr<const CxFUValueTable> table);
// The values of this run; null when none were set since the load.
const CxFUValueTable* GetWizardValues(const CxWizardController& controller);
// Counts the settings since the load, so a page knows a newer file.
unsigned GetWizardValuesNumber(const CxWizardController& controller);
