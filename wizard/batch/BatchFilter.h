// Which records a batch run updates: all, or those whose record-list columns
// read the given values.
#pragma once
#include <string>
#include <vector>

#include "common/pim/CommFieldInfo.h"

class CxList;
class CxWizardController;

struct tagBatchCondition {
    tagCommFieldInfo row; // the column
    std::string value;    // Windows-1252
};

// "COLUMN=VALUE" against the kind's record-list columns; false with the reason.
bool ParseBatchCondition(int kind, const std::string& text, tagBatchCondition* condition,
                         std::string* error);

// Puts every loaded record of the current kind that meets all conditions
// into SelectedRecords, in load order; returns how many.
unsigned SelectBatchRecords(CxWizardController& controller,
                            const std::vector<tagBatchCondition>& conditions);
