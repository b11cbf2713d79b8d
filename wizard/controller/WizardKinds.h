// The record kinds: their flag, the name journals and the command line give
// them, and the field catalogue of each kind's update engine.
#pragma once
#include <array>
#include <string>

struct tagFUFieldInfo;
struct tagFUKindFields;

struct tagWizardKind {
    int nKind;        // LN_KIND_ADDR, LN_KIND_DATE, LN_KIND_TASK
    const char* name; // "contacts", "calendar", "tasks"
    int (*count)();
    const tagFUFieldInfo* (*at)(int position);
    const tagFUKindFields* fields; // the same catalogue with the records' fields
};

extern const std::array<tagWizardKind, 3> kWizardKinds;

// Null for any other flag.
const tagWizardKind* GetWizardKind(int kind);
// Null for any other name; the name is matched as written.
const tagWizardKind* FindWizardKind(const std::string& name);
