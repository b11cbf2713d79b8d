#include "WizardSteps.h"

namespace {

const char* const kStepTexts[WIZARD_STEP_COUNT] = {
    "Please choose the Lotus Notes data updating mode.",
    "Please set the Lotus Notes access options.",
    "Please set the record field information for updating.",
    "Please select the Lotus Notes records you want to convert.",
    "Fields updating is running now ...",
    "Lotus Notes record fields updating finished.",
};

} // namespace

const char* GetStepText(int step) {
    return step >= 0 && step < WIZARD_STEP_COUNT ? kStepTexts[step] : "";
}

const char* GetKindName(int kind) {
    switch (kind) {
    case LN_KIND_ADDR:
        return "Lotus Notes Contacts";
    case LN_KIND_DATE:
        return "Lotus Notes Calendar";
    case LN_KIND_TASK:
        return "Lotus Notes Tasks";
    default:
        return "Unknown";
    }
}

WizardPage GetSelectionPage(int kind) {
    if (kind == LN_KIND_DATE)
        return WIZARD_PAGE_DATE_DATA;
    if (kind == LN_KIND_TASK)
        return WIZARD_PAGE_TASK_DATA;
    return WIZARD_PAGE_ADDR_DATA;
}

WizardPage GetStepPage(int step, int kind) {
    switch (step) {
    case WIZARD_STEP_MODE:
        return WIZARD_PAGE_MODE;
    case WIZARD_STEP_SOURCE:
        return WIZARD_PAGE_SOURCE;
    case WIZARD_STEP_FIELDS:
        return WIZARD_PAGE_UPDATE_FIELD;
    case WIZARD_STEP_RECORDS:
        return GetSelectionPage(kind);
    case WIZARD_STEP_PROC:
        return WIZARD_PAGE_PROC;
    default:
        return WIZARD_PAGE_FINISH;
    }
}
