// The record kinds as the command line names them, with their catalogues.
#pragma once
#include <string>

#include "wizard/controller/WizardKinds.h"

using tagBatchKind = tagWizardKind;

// Null for any other name; names compare without case.
const tagBatchKind* FindBatchKind(const std::string& name);
// The updatable field whose display name is `name` (Windows-1252, any case).
const tagFUFieldInfo* FindBatchField(const tagBatchKind& kind, const std::string& name);
// The catalogue, one field a line with its type and choices.
std::string DescribeBatchFields(const tagBatchKind& kind);
