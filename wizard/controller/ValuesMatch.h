// Which loaded records the rows of a values table update: a record matches
// the row whose key reads as its key field does, without case and without
// the blanks at either end.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/lotus/exchange/CxLNHeld.h"

class CxFUValueTable;
class CxList;
class CxWizardController;

struct tagValuesMatch {
    std::size_t nRows = 0;        // rows of the table
    std::size_t nRowsMatched = 0; // rows that match at least one record
    uint32_t nRecords = 0;        // records that match a row
    // Per column of the table: matched records whose cell gives a value.
    std::vector<uint32_t> fieldRecords;
    // Rows that match several records, with how many, in file order.
    std::vector<std::pair<std::size_t, uint32_t>> several;
    // Rows that match no record, in file order.
    std::vector<std::size_t> unmatched;
    // The matched common records as their list holds them (in memory or
    // kept by their store), in the order of `candidates`.
    std::vector<tagLNHeld> records;
};

// The rows of `table` against `candidates`, common records of the current
// kind (null: every loaded record of it).
tagValuesMatch MatchValues(CxWizardController& controller, const CxFUValueTable& table,
                           CxList* candidates = nullptr);
