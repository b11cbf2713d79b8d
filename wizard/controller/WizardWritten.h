// What a write-back that failed or stopped did change: the documents whose
// change the helper confirmed in the run's journal, never what was only asked.
#pragma once
#include <string>

class CxWizardController;
struct tagWizardUpdateResult;

// Keeps in `result` the documents the write-back's journal confirms; -1
// when the write-back did not fail or no write-back ran.
void TakeConfirmedWrites(const CxWizardController& controller, tagWizardUpdateResult* result);

// "2,432 of 8,000 records were written before the helper program ended;"
// followed by `undo` (how the front end puts them back, when any was
// written); empty when the count is not known.
std::string DescribeConfirmedWrites(const tagWizardUpdateResult& result, const std::string& undo);

// A count with a comma between each group of three digits: "8,000".
std::string GroupedCount(long long n);
