#include "wizard/update/Vxlntask.h"

namespace {

typedef tagCxLNTaskRec Rec;

// In display order.
const tagFUFieldInfo kFields[] = {
    FU_ROW(0, FU_TYPE_STRING, "Subject", 256),  FU_ROW(1, FU_TYPE_STRING, "Body", 8192),
    FU_ROW(4, FU_TYPE_ENUM, "Importance", 4),   FU_ROW(5, FU_TYPE_BOOLEAN, "Private", 1),
    FU_ROW(6, FU_TYPE_STRING, "Task Type", 32), FU_ROW(7, FU_TYPE_DATE, "Due Date", 8),
    FU_ROW(8, FU_TYPE_DATE, "Start Date", 8),   FU_ROW(9, FU_TYPE_DATE, "End Date", 8),
};

const tagFUFieldSlot kSlots[] = {
    {0, FU_FIELD_TEXT, offsetof(Rec, szSubject)},   {1, FU_FIELD_TEXT, offsetof(Rec, szBody)},
    {6, FU_FIELD_TEXT, offsetof(Rec, szTaskType)},  {7, FU_FIELD_DATE, offsetof(Rec, dtDueDate)},
    {8, FU_FIELD_DATE, offsetof(Rec, dtStartDate)}, {9, FU_FIELD_DATE, offsetof(Rec, dtEndDate)},
    {5, FU_FIELD_BOOL, offsetof(Rec, bPrivate)},    {4, FU_FIELD_ENUM, offsetof(Rec, nImportance)},
};

} // namespace

const tagFUKindTables kVXLNTaskTables = FUKindTables(kFields, kSlots);
