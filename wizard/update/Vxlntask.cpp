#include "wizard/update/Vxlntask.h"

namespace {

typedef tagCxLNTaskRec Rec;

// In display order.
const tagFUKindField kFields[] = {
    FU_FIELD(Rec, 0, FU_TYPE_STRING, "Subject", szSubject),
    FU_FIELD(Rec, 1, FU_TYPE_STRING, "Body", szBody),
    FU_FIELD(Rec, 4, FU_TYPE_ENUM, "Importance", nImportance),
    FU_FIELD(Rec, 5, FU_TYPE_BOOLEAN, "Private", bPrivate),
    FU_FIELD(Rec, 6, FU_TYPE_STRING, "Task Type", szTaskType),
    FU_FIELD(Rec, 7, FU_TYPE_DATE, "Due Date", dtDueDate),
    FU_FIELD(Rec, 8, FU_TYPE_DATE, "Start Date", dtStartDate),
    FU_FIELD(Rec, 9, FU_TYPE_DATE, "End Date", dtEndDate),
};

} // namespace

const tagFUKindFields kVXLNTaskFields = FUKindFields(kFields);
