// A values file made into the values of a run: which field each column sets,
// which column holds the key, and every check before anything loads.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "wizard/controller/ValuesFile.h"

class CxFUValueTable;
struct tagFUFieldUpdate;
struct tagWizardKind;

// Per column the key of the field it sets, -1 for a column left out; and
// the column that holds the key.
struct tagValuesPlan {
    std::vector<int> fields;
    int nKeyColumn = -1;
};

// At most this many errors are told at once.
constexpr std::size_t kMaxValuesErrors = 10;

// Each column set to the field its first row names (any case, blanks at
// either end ignored); a name that is no field leaves its column out.
tagValuesPlan PlanValuesByName(const tagValuesFile& file, const tagWizardKind& kind);
// The column whose field is `fieldKey`; -1 when none is.
int FindValuesColumn(const tagValuesPlan& plan, int fieldKey);
// One error for each name of the first row that is no field of the kind,
// with the nearest names.
std::vector<std::string> CheckValuesNames(const tagValuesFile& file, const tagWizardKind& kind);

// The values table of `file` under `plan`: the key column set to a text
// field, no field set by two columns, no key empty or given twice, every cell
// a value its field takes. False with the errors (UTF-8), each naming the
// file, line and column.
bool BuildValuesTable(const tagValuesFile& file, const tagValuesPlan& plan,
                      const tagWizardKind& kind, std::shared_ptr<CxFUValueTable>* table,
                      std::vector<std::string>* errors);

// One definition for each column of `table`, in column order: each sets its
// field from the column.
std::vector<tagFUFieldUpdate> MakeValuesDefinitions(const CxFUValueTable& table);
