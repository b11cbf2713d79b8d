// Contacts: the field catalogue, field texts, setting common fields from text
// and single-record editing (library build).
#include "common/lotus/exchange/CxLNAddr.h"

#include "common/lotus/engine/CxLNFieldCatalog.h"
#include "common/lotus/engine/CxLNRecordEdit.h"

namespace {

#define ROW(id, label, type, member) LN_FIELD_ROW(tagCxLNAddrRec, id, label, type, member)

// Id 0 is the note ID, ids 1 to 45 the texts in declaration order, then
// the birthday; the anniversary has no entry.
const tagLNFieldRow kRows[] = {
    ROW(0, "ID", TEXT, szID),
    ROW(1, "First Name", TEXT, szFirstName),
    ROW(2, "Middle Name / Initial", TEXT, szMiddleName),
    ROW(3, "Last Name", TEXT, szLastName),
    ROW(4, "Suffix", TEXT, szSuffix),
    ROW(5, "Display Name", TEXT, szDisplayName),
    ROW(6, "Company Name", TEXT, szCompany),
    ROW(7, "Department", TEXT, szDepartment),
    ROW(8, "Job Title", TEXT, szJobTitle),
    ROW(9, "Location", TEXT, szLocation),
    ROW(10, "Assistant Name", TEXT, szAssistant),
    ROW(11, "Manager Name", TEXT, szManager),
    ROW(12, "Business Email", TEXT, szBusinessEmail),
    ROW(13, "Personal Email", TEXT, szPersonalEmail),
    ROW(14, "Assistant Phone", TEXT, szAssistantPhone),
    ROW(15, "Business Email 2", TEXT, szBusinessEmail2),
    ROW(16, "Personal Email 2", TEXT, szPersonalEmail2),
    ROW(17, "Business Street", TEXT, szBusinessStreet),
    ROW(18, "Business City", TEXT, szBusinessCity),
    ROW(19, "Business State", TEXT, szBusinessState),
    ROW(20, "Business Country", TEXT, szBusinessCountry),
    ROW(21, "Business Postal", TEXT, szBusinessPostal),
    ROW(22, "Home Street", TEXT, szHomeStreet),
    ROW(23, "Home City", TEXT, szHomeCity),
    ROW(24, "Home State", TEXT, szHomeState),
    ROW(25, "Home Country", TEXT, szHomeCountry),
    ROW(26, "Home Postal", TEXT, szHomePostal),
    ROW(27, "Other Street", TEXT, szOtherStreet),
    ROW(28, "Other City", TEXT, szOtherCity),
    ROW(29, "Other State", TEXT, szOtherState),
    ROW(30, "Other Country", TEXT, szOtherCountry),
    ROW(31, "Other Postal", TEXT, szOtherPostal),
    ROW(32, "Primary Phone", TEXT, szPrimaryPhone),
    ROW(33, "Business Phone", TEXT, szBusinessPhone),
    ROW(34, "Home Phone", TEXT, szHomePhone),
    ROW(35, "Mobile Phone", TEXT, szMobilePhone),
    ROW(36, "Business Fax", TEXT, szBusinessFax),
    ROW(37, "Home Fax", TEXT, szHomeFax),
    ROW(38, "Pager", TEXT, szPager),
    ROW(39, "Instant Messenger", TEXT, szInstantMessenger),
    ROW(40, "Web Site", TEXT, szWebSite),
    ROW(41, "Blog Site", TEXT, szBlogSite),
    ROW(42, "Spouse Name", TEXT, szSpouse),
    ROW(43, "Children's Names", TEXT, szChildren),
    ROW(44, "Note", TEXT, szNote),
    ROW(45, "Category", TEXT, szCategories),
    ROW(46, "Birth Date", DATE, dtBirthday),
};

#undef ROW

#define SET(id, member, chars) LN_COMM_TEXT_ROW(tagCommAddrRec, id, member, chars)

const tagLNCommTextRow kCommTexts[] = {
    SET(1, szFirstName, 31),      SET(2, szMiddleName, 31),
    SET(3, szLastName, 31),       SET(4, szSuffix, 31),
    SET(5, szDisplayName, 31),    SET(6, szCompany, 63),
    SET(7, szDepartment, 31),     SET(8, szTitle, 31),
    SET(10, szAssistantName, 31), SET(11, szManagerName, 31),
    SET(12, szEmail, 63),         SET(13, szEmail2, 63),
    SET(15, szEmail3, 63),        SET(17, szWorkStreet, 255),
    SET(18, szWorkCity, 31),      SET(19, szWorkState, 31),
    SET(20, szWorkCountry, 31),   SET(21, szWorkPostal, 15),
    SET(22, szHomeStreet, 255),   SET(23, szHomeCity, 31),
    SET(24, szHomeState, 31),     SET(25, szHomeCountry, 31),
    SET(26, szHomePostal, 15),    SET(27, szOtherStreet, 255),
    SET(28, szOtherCity, 31),     SET(29, szOtherState, 31),
    SET(30, szOtherCountry, 31),  SET(31, szOtherPostal, 15),
    SET(32, szPrimaryPhone, 23),  SET(33, szWorkPhone, 23),
    SET(34, szHomePhone, 23),     SET(35, szMobilePhone, 23),
    SET(36, szWorkFax, 23),       SET(37, szHomeFax, 23),
    SET(38, szPager, 23),         SET(39, szIM1, 31),
    SET(40, szWorkHomePage, 255), SET(41, szPersonalHomePage, 255),
    SET(42, szSpouseName, 31),    SET(43, szChildrenNames, 31),
    SET(44, szNote, 8191),        SET(45, szCategory, 255),
};

#undef SET

const tagLNCatalog kCatalog = {kRows, sizeof kRows / sizeof kRows[0] + 1, true, kCommTexts,
                               sizeof kCommTexts / sizeof kCommTexts[0]};

using Edit = CxLNRecordEdit<CxLNAddrUtil>;

} // namespace

unsigned long CxLNAddrUtil::GetFieldCount() {
    return kCatalog.nCount;
}

const tagLNRecField* CxLNAddrUtil::GetFieldInfo(unsigned long position) {
    return LNCatalogEntry(kCatalog, position);
}

bool CxLNAddrUtil::GetFieldInfo(unsigned long position, tagLNRecField* out) {
    return LNCatalogCopy(kCatalog, position, out);
}

const char* CxLNAddrUtil::GetFieldName(unsigned long position) {
    return LNCatalogName(kCatalog, position);
}

char* CxLNAddrUtil::GetFieldText(tagCxLNAddrRec* record, unsigned long id) {
    return LNCatalogText(kCatalog, record, id);
}

// No field gives a value of its own.
void* CxLNAddrUtil::GetFieldValue(tagCxLNAddrRec*, unsigned long) {
    return nullptr;
}

bool CxLNAddrUtil::SetFieldValueByText(unsigned long id, const char* text, tagCommAddrRec* common) {
    return LNCatalogSetText(kCatalog, id, text, common);
}

bool CxLNAddrUtil::AddRecord(tagCommAddrRec* common, bool submit) {
    return Edit::Add(this, common, submit);
}

bool CxLNAddrUtil::UpdateRecord(tagCommAddrRec* common, int position, bool submit) {
    return Edit::Update(this, common, position, submit);
}

bool CxLNAddrUtil::DelRecord(tagCommAddrRec* common, bool submit) {
    return Edit::Del(this, common, submit);
}

bool CxLNAddrUtil::SyncRecord(tagCommAddrRec* common, bool submit) {
    return Edit::Sync(this, common, submit);
}
