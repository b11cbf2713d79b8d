// Record kinds, the six steps and the pages of the wizard.
#pragma once

enum : int {
    LN_KIND_ADDR = 1,
    LN_KIND_DATE = 2,
    LN_KIND_TASK = 4,
};

enum : int {
    WIZARD_STEP_MODE = 0,
    WIZARD_STEP_SOURCE = 1,
    WIZARD_STEP_FIELDS = 2,
    WIZARD_STEP_RECORDS = 3,
    WIZARD_STEP_PROC = 4,
    WIZARD_STEP_FINISH = 5,
    WIZARD_STEP_COUNT = 6,
};

// The pages in their creation order.
enum WizardPage : int {
    WIZARD_PAGE_MODE = 0,
    WIZARD_PAGE_SOURCE,
    WIZARD_PAGE_UPDATE_FIELD,
    WIZARD_PAGE_ADDR_DATA,
    WIZARD_PAGE_DATE_DATA,
    WIZARD_PAGE_TASK_DATA,
    WIZARD_PAGE_PROC,
    WIZARD_PAGE_FINISH,
    WIZARD_PAGE_COUNT,
};

// The step description of `step` (0..5); empty for any other.
const char* GetStepText(int step);
// "Lotus Notes Contacts", ...; "Unknown" for any other kind.
const char* GetKindName(int kind);
// The selection page of a kind; contacts for anything but calendar and tasks.
WizardPage GetSelectionPage(int kind);
// The page shown on `step` (0..5) for `kind`.
WizardPage GetStepPage(int step, int kind);
