// The definitions of a run applied to one record. A Set from Fields and a
// value from a values file read the record as it was before the first
// definition changed it, so the order of the definitions never changes what
// they read.
#pragma once
#include <cstdint>
#include <map>

class CxList;
class CxFUValueTable;
struct tagFUKindFields;

// Field key to the number of records whose value was cut to the field's size.
typedef std::map<int, uint32_t> FUCutCounts;

// Every definition of `definitions` (tagFUFieldUpdate*) in list order. A
// definition from a values file takes the cell of the record's row in
// `values` (none: no change); `cuts` (may be null) counts the cut values.
void FUApplyDefinitions(void* record, const tagFUKindFields& kind, CxList& definitions,
                        const CxFUValueTable* values, FUCutCounts* cuts);
