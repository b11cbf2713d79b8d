// The updatable fields of calendar entries, in display order.
#include "wizard/update/VxCatalogue.h"
#include "wizard/update/Vxlndate.h"

namespace {

const tagFUFieldInfo kFields[] = {
    FU_ROW(0, FU_TYPE_STRING, "Subject", 256),
    FU_ROW(1, FU_TYPE_STRING, "Location", 256),
    FU_ROW(9, FU_TYPE_DATETIME, "Start Date & Time", 8),
    FU_ROW(6, FU_TYPE_DATETIME, "End Date & Time", 8),
    FU_ROW(3, FU_TYPE_STRING, "Resources", 256),
    FU_ROW(4, FU_TYPE_STRING, "Body", 20480),
};
const int kFieldCount = sizeof(kFields) / sizeof(kFields[0]);

} // namespace

int CxVXLNDateUtil::GetUpdateFieldCount() {
    return kFieldCount;
}

const tagFUFieldInfo* CxVXLNDateUtil::GetUpdateFieldInfo(int position) {
    return FUCatalogueAt(kFields, kFieldCount, position);
}

const tagFUFieldInfo* CxVXLNDateUtil::FindUpdateField(int key) {
    return FUCatalogueFind(kFields, kFieldCount, key);
}
