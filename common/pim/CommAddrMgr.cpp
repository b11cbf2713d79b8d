// The contact manager's default key lists and the contact catalogue (both builds).
#include "CommAddrMgr.h"

#include "common/pim/CommAddrCatalog.h"

namespace {

const int32_t kMatchKeys[] = {1, 3, 37};
const int32_t kCompareKeys[] = {24, 25, 26, 37, 34, 35, 53, 55, 13, 11, 12, 10,
                                9,  18, 16, 17, 15, 14, 23, 21, 22, 20, 19, 43};

} // namespace

// Rows in key order but for 41 before 40, 55 before 54 and 67 before 66.
// Texts compare skipping line breaks; keys 38, 39, 61, 62, 79, 80 and 81
// have no text form.
#define ROW(key, name, type, field, show, same)                                                    \
    COMM_FIELD_ROW(tagCommAddrRec, key, name, type,                                                \
                   static_cast<int32_t>(sizeof(tagCommAddrRec::field)), field, show, same)

const tagCommFieldRow g_aCommAddrFields[] = {
    ROW(1, "First Name", TEXT, szFirstName, TEXT, TEXT_LINE),
    ROW(2, "Middle Name", TEXT, szMiddleName, TEXT, TEXT_LINE),
    ROW(3, "Last Name", TEXT, szLastName, TEXT, TEXT_LINE),
    ROW(4, "Prefix", TEXT, szPrefix, TEXT, TEXT_LINE),
    ROW(5, "Suffix", TEXT, szSuffix, TEXT, TEXT_LINE),
    ROW(6, "Nick Name", TEXT, szNickName, TEXT, TEXT_LINE),
    ROW(7, "Display Name", TEXT, szDisplayName, TEXT, TEXT_LINE),
    ROW(8, "Gender", INT, nGender, NOTHING, VALUE),
    ROW(9, "(Work) Street", TEXT, szWorkStreet, TEXT, TEXT_LINE),
    ROW(10, "(Work) City", TEXT, szWorkCity, TEXT, TEXT_LINE),
    ROW(11, "(Work) State", TEXT, szWorkState, TEXT, TEXT_LINE),
    ROW(12, "(Work) Postal", TEXT, szWorkPostal, TEXT, TEXT_LINE),
    ROW(13, "(Work) Country", TEXT, szWorkCountry, TEXT, TEXT_LINE),
    ROW(14, "(Home) Street", TEXT, szHomeStreet, TEXT, TEXT_LINE),
    ROW(15, "(Home) City", TEXT, szHomeCity, TEXT, TEXT_LINE),
    ROW(16, "(Home) State", TEXT, szHomeState, TEXT, TEXT_LINE),
    ROW(17, "(Home) Postal", TEXT, szHomePostal, TEXT, TEXT_LINE),
    ROW(18, "(Home) Country", TEXT, szHomeCountry, TEXT, TEXT_LINE),
    ROW(19, "(Other) Street", TEXT, szOtherStreet, TEXT, TEXT_LINE),
    ROW(20, "(Other) City", TEXT, szOtherCity, TEXT, TEXT_LINE),
    ROW(21, "(Other) State", TEXT, szOtherState, TEXT, TEXT_LINE),
    ROW(22, "(Other) Postal", TEXT, szOtherPostal, TEXT, TEXT_LINE),
    ROW(23, "(Other) Country", TEXT, szOtherCountry, TEXT, TEXT_LINE),
    ROW(24, "Home Phone", TEXT, szHomePhone, TEXT, TEXT_LINE),
    ROW(25, "Work Phone", TEXT, szWorkPhone, TEXT, TEXT_LINE),
    ROW(26, "Mobile Phone", TEXT, szMobilePhone, TEXT, TEXT_LINE),
    ROW(27, "Other Phone", TEXT, szOtherPhone, TEXT, TEXT_LINE),
    ROW(28, "Primary Phone", TEXT, szPrimaryPhone, TEXT, TEXT_LINE),
    ROW(29, "Callback Phone", TEXT, szCallbackPhone, TEXT, TEXT_LINE),
    ROW(30, "Car Phone", TEXT, szCarPhone, TEXT, TEXT_LINE),
    ROW(31, "Radio Phone", TEXT, szRadioPhone, TEXT, TEXT_LINE),
    ROW(32, "Work Phone 2", TEXT, szWorkPhone2, TEXT, TEXT_LINE),
    ROW(33, "Home Phone 2", TEXT, szHomePhone2, TEXT, TEXT_LINE),
    ROW(34, "Work Fax", TEXT, szWorkFax, TEXT, TEXT_LINE),
    ROW(35, "Home Fax", TEXT, szHomeFax, TEXT, TEXT_LINE),
    ROW(36, "Pager", TEXT, szPager, TEXT, TEXT_LINE),
    ROW(37, "Email", TEXT, szEmail, TEXT, TEXT_LINE),
    ROW(38, "Email 2", TEXT, szEmail2, REFUSED, TEXT_LINE),
    ROW(39, "Email 3", TEXT, szEmail3, REFUSED, TEXT_LINE),
    ROW(41, "Work Home Page", TEXT, szWorkHomePage, TEXT, TEXT_LINE),
    ROW(40, "Personal Home Page", TEXT, szPersonalHomePage, TEXT, TEXT_LINE),
    ROW(42, "FTP Site", TEXT, szFTPSite, TEXT, TEXT_LINE),
    ROW(43, "Note", TEXT, szNote, TEXT, TEXT_LINE),
    ROW(44, "Custom 1", TEXT, szCustom1, TEXT, TEXT_LINE),
    ROW(45, "Custom 2", TEXT, szCustom2, TEXT, TEXT_LINE),
    ROW(46, "Custom 3", TEXT, szCustom3, TEXT, TEXT_LINE),
    ROW(47, "Custom 4", TEXT, szCustom4, TEXT, TEXT_LINE),
    ROW(48, "Custom 5", TEXT, szCustom5, TEXT, TEXT_LINE),
    ROW(49, "Custom 6", TEXT, szCustom6, TEXT, TEXT_LINE),
    ROW(50, "Custom 7", TEXT, szCustom7, TEXT, TEXT_LINE),
    ROW(51, "Custom 8", TEXT, szCustom8, TEXT, TEXT_LINE),
    ROW(52, "Custom 9", TEXT, szCustom9, TEXT, TEXT_LINE),
    ROW(53, "Company", TEXT, szCompany, TEXT, TEXT_LINE),
    ROW(55, "Title", TEXT, szTitle, TEXT, TEXT_LINE),
    ROW(54, "Department", TEXT, szDepartment, TEXT, TEXT_LINE),
    ROW(56, "IM 1", TEXT, szIM1, TEXT, TEXT_LINE),
    ROW(57, "IM 2", TEXT, szIM2, TEXT, TEXT_LINE),
    ROW(58, "Manager Name", TEXT, szManagerName, TEXT, TEXT_LINE),
    ROW(59, "Assistant Name", TEXT, szAssistantName, TEXT, TEXT_LINE),
    ROW(60, "Assistant Phone", TEXT, szAssistantPhone, TEXT, TEXT_LINE),
    ROW(61, "Spouse Name", TEXT, szSpouseName, REFUSED, TEXT_LINE),
    ROW(62, "Children's Names", TEXT, szChildrenNames, REFUSED, TEXT_LINE),
    ROW(63, "Profession", TEXT, szProfession, TEXT, TEXT_LINE),
    ROW(64, "Hobby", TEXT, szHobby, TEXT, TEXT_LINE),
    ROW(65, "Account", TEXT, szAccount, TEXT, TEXT_LINE),
    ROW(67, "Birthday", DATE, dtBirthday, VARIANT, NUMBER),
    ROW(66, "Anniversary", DATE, dtAnniversary, VARIANT, NUMBER),
    ROW(68, "Keyword", TEXT, szKeyword, TEXT, TEXT_LINE),
    ROW(69, "Language", TEXT, szLanguage, TEXT, TEXT_LINE),
    ROW(70, "Location", TEXT, szLocation, TEXT, TEXT_LINE),
    ROW(71, "MHS Common Name", TEXT, szMHSCommonName, TEXT, TEXT_LINE),
    ROW(72, "Customer ID", TEXT, szCustomerID, TEXT, TEXT_LINE),
    ROW(73, "Government ID", TEXT, szGovernmentID, TEXT, TEXT_LINE),
    ROW(74, "Organization ID", TEXT, szOrganizationID, TEXT, TEXT_LINE),
    ROW(75, "Category", TEXT, szCategory, TEXT, TEXT_LINE),
    ROW(76, "Creation Time", DATE, dtCreationTime, VARIANT, NUMBER),
    ROW(77, "Last Modification Time", DATE, dtLastModificationTime, VARIANT, NUMBER),
    ROW(78, "Source Type", INT, nSourceType, SOURCE_TYPE, VALUE),
    ROW(79, "Status", INT, nStatus, REFUSED, VALUE),
    ROW(80, "ID", TEXT, szID, REFUSED, TEXT_LINE),
    ROW(81, "Private", FLAG, nPrivate, REFUSED, VALUE),
    ROW(82, "Custom Label 1", TEXT, szCustomLabel1, TEXT, TEXT_LINE),
    ROW(83, "Custom Label 2", TEXT, szCustomLabel2, TEXT, TEXT_LINE),
    ROW(84, "Custom Label 3", TEXT, szCustomLabel3, TEXT, TEXT_LINE),
    ROW(85, "Custom Label 4", TEXT, szCustomLabel4, TEXT, TEXT_LINE),
    ROW(86, "Custom Label 5", TEXT, szCustomLabel5, TEXT, TEXT_LINE),
    ROW(87, "Custom Label 6", TEXT, szCustomLabel6, TEXT, TEXT_LINE),
    ROW(88, "Custom Label 7", TEXT, szCustomLabel7, TEXT, TEXT_LINE),
    ROW(89, "Custom Label 8", TEXT, szCustomLabel8, TEXT, TEXT_LINE),
    ROW(90, "Custom Label 9", TEXT, szCustomLabel9, TEXT, TEXT_LINE),
};

#undef ROW

const int g_nCommAddrFieldCount = sizeof(g_aCommAddrFields) / sizeof(g_aCommAddrFields[0]);
const tagCommFieldTable kCommAddrFields = {g_aCommAddrFields, g_nCommAddrFieldCount, true};

CommAddrMgr::CommAddrMgr() : CxCommRecMgr(kMatchKeys, kCompareKeys), m_bCopyEmpty(false) {}
