// The updatable fields of contacts, in display order.
#include "wizard/update/VxCatalogue.h"
#include "wizard/update/Vxlnaddr.h"

namespace {

const tagFUFieldInfo kFields[] = {
    FU_ROW(1, FU_TYPE_STRING, "First Name", 64),
    FU_ROW(2, FU_TYPE_STRING, "Middle Name / Initial", 64),
    FU_ROW(3, FU_TYPE_STRING, "Last Name", 64),
    FU_ROW(4, FU_TYPE_STRING, "Suffix", 64),
    FU_ROW(5, FU_TYPE_STRING, "Display Name", 256), // the size of szDisplayName
    FU_ROW(6, FU_TYPE_STRING, "Company Name", 64),
    FU_ROW(7, FU_TYPE_STRING, "Department", 64),
    FU_ROW(8, FU_TYPE_STRING, "Job Title", 64),
    FU_ROW(9, FU_TYPE_STRING, "Location", 256),
    FU_ROW(10, FU_TYPE_STRING, "Assistant Name", 64),
    FU_ROW(11, FU_TYPE_STRING, "Manager Name", 64),
    FU_ROW(12, FU_TYPE_STRING, "Business Email", 128),
    FU_ROW(13, FU_TYPE_STRING, "Personal Email", 128),
    FU_ROW(14, FU_TYPE_STRING, "Assistant Phone", 128),
    FU_ROW(15, FU_TYPE_STRING, "Business Email 2", 128),
    FU_ROW(16, FU_TYPE_STRING, "Personal Email 2", 128),
    FU_ROW(17, FU_TYPE_STRING, "Business Street", 256),
    FU_ROW(18, FU_TYPE_STRING, "Business City", 32),
    FU_ROW(19, FU_TYPE_STRING, "Business State", 32),
    FU_ROW(20, FU_TYPE_STRING, "Business Country", 32),
    FU_ROW(21, FU_TYPE_STRING, "Business Postal", 32),
    FU_ROW(22, FU_TYPE_STRING, "Home Street", 256),
    FU_ROW(23, FU_TYPE_STRING, "Home City", 32),
    FU_ROW(24, FU_TYPE_STRING, "Home State", 32),
    FU_ROW(25, FU_TYPE_STRING, "Home Country", 32),
    FU_ROW(26, FU_TYPE_STRING, "Home Postal", 32),
    FU_ROW(27, FU_TYPE_STRING, "Other Street", 256),
    FU_ROW(28, FU_TYPE_STRING, "Other City", 32),
    FU_ROW(29, FU_TYPE_STRING, "Other State", 32),
    FU_ROW(30, FU_TYPE_STRING, "Other Country", 32),
    FU_ROW(31, FU_TYPE_STRING, "Other Postal", 32),
    FU_ROW(32, FU_TYPE_STRING, "Primary Phone", 32),
    FU_ROW(33, FU_TYPE_STRING, "Business Phone", 32),
    FU_ROW(34, FU_TYPE_STRING, "Home Phone", 32),
    FU_ROW(35, FU_TYPE_STRING, "Mobile Phone", 32),
    FU_ROW(36, FU_TYPE_STRING, "Business Fax", 32),
    FU_ROW(37, FU_TYPE_STRING, "Home Fax", 32),
    FU_ROW(38, FU_TYPE_STRING, "Pager", 32),
    FU_ROW(39, FU_TYPE_STRING, "Instant Messenger", 64),
    FU_ROW(40, FU_TYPE_STRING, "Web Site", 256),
    FU_ROW(41, FU_TYPE_STRING, "Blog Site", 256),
    FU_ROW(42, FU_TYPE_STRING, "Spouse Name", 64),
    FU_ROW(43, FU_TYPE_STRING, "Children's Names", 256),
    FU_ROW(44, FU_TYPE_STRING, "Note", 4096),
    FU_ROW(46, FU_TYPE_DATE, "Birth Date", 8),
    FU_ROW(47, FU_TYPE_DATE, "Anniversary", 8),
};
const int kFieldCount = sizeof(kFields) / sizeof(kFields[0]);

} // namespace

int CxVXLNAddrUtil::GetUpdateFieldCount() {
    return kFieldCount;
}

const tagFUFieldInfo* CxVXLNAddrUtil::GetUpdateFieldInfo(int position) {
    return FUCatalogueAt(kFields, kFieldCount, position);
}

const tagFUFieldInfo* CxVXLNAddrUtil::FindUpdateField(int key) {
    return FUCatalogueFind(kFields, kFieldCount, key);
}
