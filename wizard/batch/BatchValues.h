// --values-from: values per record from a CSV file, read and checked before
// anything loads, matched against the selected records after the load.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "wizard/batch/BatchKinds.h"
#include "wizard/controller/ValuesMatch.h"

class CxFUValueTable;
class CxWizardController;
struct tagBatchOptions;
struct tagFUFieldUpdate;

struct tagBatchValues {
    std::shared_ptr<CxFUValueTable> table;
    std::string fileName; // UTF-8
    std::string keyName;  // the key field's display name, UTF-8
    tagValuesMatch match; // after KeepBatchMatched
    bool bMatched = false; // KeepBatchMatched ran
};

// The unmatched keys told on screen; --unmatched writes them all.
constexpr std::size_t kBatchUnmatchedShown = 10;

// With --values-from: the file read and checked by --key and --encoding, and
// one definition per column appended to `definitions`. True without it.
// False with the reasons, one a line: an option missing or given alone, a
// key field that is no field, and every error of the file.
bool ReadBatchValues(const tagBatchOptions& options, const tagBatchKind& kind,
                     std::shared_ptr<tagBatchValues>* values,
                     std::vector<tagFUFieldUpdate>* definitions, std::string* error);

// After the selection: the engine reads the values, and SelectedRecords
// keeps only the records a row matches. Returns how many.
unsigned KeepBatchMatched(CxWizardController& controller, tagBatchValues* values);

// What the match found: rows and records, records per field, keys that
// matched several records, and the first unmatched keys.
std::string BatchValuesReport(const tagBatchValues& values);

// Every unmatched key into `path`, as a CSV file of one column headed by the
// key field's name; false with the reason.
bool WriteBatchUnmatched(const std::string& path, const tagBatchValues& values,
                         std::string* error);
