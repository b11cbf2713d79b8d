// Set from Fields: a text built from other fields of the same record, such
// as "{First Name} {Last Name}"; "{{" and "}}" stand for the braces.
#pragma once
#include <string>
#include <vector>

#include "wizard/update/Vxlnkind.h"

// Literal text, or the field of `pRow` when it is not null.
struct tagFUTemplatePart {
    std::string text; // Windows-1252
    const tagFUFieldInfo* pRow;
};

// `text` (Windows-1252) into its parts; false with the reason (UTF-8) for an
// unknown field, a "{" without its "}" and a lone "}".
bool FUParseTemplate(const std::string& text, const tagFUKindFields& kind,
                     std::vector<tagFUTemplatePart>* parts, std::string* why);
// The text of the field of `row` in `record` as a template shows it: a text
// as it is, a date as its date text (empty without a date), a flag as "Yes"
// or "No", a choice by its name.
std::string FUFieldValueText(const void* record, const tagFUKindFields& kind,
                             const tagFUFieldInfo& row);
// The parts filled from `record`, not yet cut to any field.
std::string FUBuildTemplate(const void* record, const tagFUKindFields& kind,
                            const std::vector<tagFUTemplatePart>& parts);
// Up to three display names of the kind closest to `name`, quoted and joined
// ("\"Job Title\" or \"Title\""); empty when none is close. UTF-8.
std::string FUNearestNames(const tagFUKindFields& kind, const std::string& name);
