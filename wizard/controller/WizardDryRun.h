// What the update would do, without doing it: every definition applied, by
// the same engine and rules as the run, to a copy of each selected record,
// and each field that would change told as it is and as it would be. The
// wizard's preview and vxln-batch --dry-run both read it from here.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CxWizardController;

struct tagDryRunField {
    std::string sName, sBefore, sAfter; // UTF-8
};

struct tagDryRunRecord {
    uint32_t nIndex = 0; // its entry in SelectedRecords, from 0
    std::string sID;     // its note ID
    std::vector<tagDryRunField> fields; // those that would change
};

struct tagDryRunCounts {
    uint32_t nLooked = 0;        // entries looked at
    uint32_t nChanged = 0;       // records that would change
    uint32_t nFieldsChanged = 0; // fields that would change, in all of them
    uint32_t nFieldsTouched = 0; // fields the definitions touch, in every record looked at
};

// The entries `from` to `from + count - 1` of SelectedRecords (fewer at its
// end): `changed` hears of each record that would change, in order. Nothing
// is written, no record changes. Adds to `counts`.
void WizardDryRun(CxWizardController& controller, uint32_t from, uint32_t count,
                  const std::function<void(const tagDryRunRecord&)>& changed,
                  tagDryRunCounts* counts);

// A date field's value as the dry run tells it: "YYYY-MM-DD[ HH:MM:SS]",
// "(none)" or "(invalid)".
std::string WizardDateText(double value, bool withTime);
