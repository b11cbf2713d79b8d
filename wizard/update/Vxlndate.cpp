#include "wizard/update/Vxlndate.h"

namespace {

typedef tagCxLNDateRec Rec;

// In display order.
const tagFUFieldInfo kFields[] = {
    FU_ROW(0, FU_TYPE_STRING, "Subject", 256),
    FU_ROW(1, FU_TYPE_STRING, "Location", 256),
    FU_ROW(9, FU_TYPE_DATETIME, "Start Date & Time", 8),
    FU_ROW(6, FU_TYPE_DATETIME, "End Date & Time", 8),
    FU_ROW(3, FU_TYPE_STRING, "Resources", 256),
    FU_ROW(4, FU_TYPE_STRING, "Body", 20480),
};

const tagFUFieldSlot kSlots[] = {
    {0, FU_FIELD_TEXT, offsetof(Rec, szSubject)},
    {1, FU_FIELD_TEXT, offsetof(Rec, szLocation)},
    {3, FU_FIELD_TEXT, offsetof(Rec, szResources)},
    {4, FU_FIELD_TEXT, offsetof(Rec, szBody)},
    {9, FU_FIELD_DATE, offsetof(Rec, dtStartDateTime)},
    {6, FU_FIELD_DATE, offsetof(Rec, dtEndDateTime)},
};

} // namespace

const tagFUKindTables kVXLNDateTables = FUKindTables(kFields, kSlots);
