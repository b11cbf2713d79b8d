#include "wizard/update/Vxlndate.h"

namespace {

typedef tagCxLNDateRec Rec;

// In display order.
const tagFUKindField kFields[] = {
    FU_FIELD(Rec, 0, FU_TYPE_STRING, "Subject", szSubject),
    FU_FIELD(Rec, 1, FU_TYPE_STRING, "Location", szLocation),
    FU_FIELD(Rec, 9, FU_TYPE_DATETIME, "Start Date & Time", dtStartDateTime),
    FU_FIELD(Rec, 6, FU_TYPE_DATETIME, "End Date & Time", dtEndDateTime),
    FU_FIELD(Rec, 3, FU_TYPE_STRING, "Resources", szResources),
    FU_FIELD(Rec, 4, FU_TYPE_STRING, "Body", szBody),
};

} // namespace

const tagFUKindFields kVXLNDateFields = FUKindFields(kFields);
