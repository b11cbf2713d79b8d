// The updatable fields of tasks, in display order.
#include "wizard/update/VxCatalogue.h"
#include "wizard/update/Vxlntask.h"

namespace {

const tagFUFieldInfo kFields[] = {
    FU_ROW(0, FU_TYPE_STRING, "Subject", 256),  FU_ROW(1, FU_TYPE_STRING, "Body", 8192),
    FU_ROW(4, FU_TYPE_ENUM, "Importance", 4),   FU_ROW(5, FU_TYPE_BOOLEAN, "Private", 1),
    FU_ROW(6, FU_TYPE_STRING, "Task Type", 32), FU_ROW(7, FU_TYPE_DATE, "Due Date", 8),
    FU_ROW(8, FU_TYPE_DATE, "Start Date", 8),   FU_ROW(9, FU_TYPE_DATE, "End Date", 8),
};
const int kFieldCount = sizeof(kFields) / sizeof(kFields[0]);

} // namespace

int CxVXLNTaskUtil::GetUpdateFieldCount() {
    return kFieldCount;
}

const tagFUFieldInfo* CxVXLNTaskUtil::GetUpdateFieldInfo(int position) {
    return FUCatalogueAt(kFields, kFieldCount, position);
}

const tagFUFieldInfo* CxVXLNTaskUtil::FindUpdateField(int key) {
    return FUCatalogueFind(kFields, kFieldCount, key);
}
