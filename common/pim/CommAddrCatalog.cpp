#include "CommAddrCatalog.h"

#include "common/pim/CommRecords.h"

// Rows in key order but for 41 before 40, 55 before 54 and 67 before 66.
#define ROW(key, name, type, field)                                                                \
    {                                                                                              \
        {key, name, COMM_FIELD_##type, static_cast<int32_t>(sizeof(tagCommAddrRec::field))},       \
            offsetof(tagCommAddrRec, field)                                                        \
    }

const tagCommAddrField g_aCommAddrFields[] = {
    ROW(1, "First Name", TEXT, szFirstName),
    ROW(2, "Middle Name", TEXT, szMiddleName),
    ROW(3, "Last Name", TEXT, szLastName),
    ROW(4, "Prefix", TEXT, szPrefix),
    ROW(5, "Suffix", TEXT, szSuffix),
    ROW(6, "Nick Name", TEXT, szNickName),
    ROW(7, "Display Name", TEXT, szDisplayName),
    ROW(8, "Gender", INT, nGender),
    ROW(9, "(Work) Street", TEXT, szWorkStreet),
    ROW(10, "(Work) City", TEXT, szWorkCity),
    ROW(11, "(Work) State", TEXT, szWorkState),
    ROW(12, "(Work) Postal", TEXT, szWorkPostal),
    ROW(13, "(Work) Country", TEXT, szWorkCountry),
    ROW(14, "(Home) Street", TEXT, szHomeStreet),
    ROW(15, "(Home) City", TEXT, szHomeCity),
    ROW(16, "(Home) State", TEXT, szHomeState),
    ROW(17, "(Home) Postal", TEXT, szHomePostal),
    ROW(18, "(Home) Country", TEXT, szHomeCountry),
    ROW(19, "(Other) Street", TEXT, szOtherStreet),
    ROW(20, "(Other) City", TEXT, szOtherCity),
    ROW(21, "(Other) State", TEXT, szOtherState),
    ROW(22, "(Other) Postal", TEXT, szOtherPostal),
    ROW(23, "(Other) Country", TEXT, szOtherCountry),
    ROW(24, "Home Phone", TEXT, szHomePhone),
    ROW(25, "Work Phone", TEXT, szWorkPhone),
    ROW(26, "Mobile Phone", TEXT, szMobilePhone),
    ROW(27, "Other Phone", TEXT, szOtherPhone),
    ROW(28, "Primary Phone", TEXT, szPrimaryPhone),
    ROW(29, "Callback Phone", TEXT, szCallbackPhone),
    ROW(30, "Car Phone", TEXT, szCarPhone),
    ROW(31, "Radio Phone", TEXT, szRadioPhone),
    ROW(32, "Work Phone 2", TEXT, szWorkPhone2),
    ROW(33, "Home Phone 2", TEXT, szHomePhone2),
    ROW(34, "Work Fax", TEXT, szWorkFax),
    ROW(35, "Home Fax", TEXT, szHomeFax),
    ROW(36, "Pager", TEXT, szPager),
    ROW(37, "Email", TEXT, szEmail),
    ROW(38, "Email 2", TEXT, szEmail2),
    ROW(39, "Email 3", TEXT, szEmail3),
    ROW(41, "Work Home Page", TEXT, szWorkHomePage),
    ROW(40, "Personal Home Page", TEXT, szPersonalHomePage),
    ROW(42, "FTP Site", TEXT, szFTPSite),
    ROW(43, "Note", TEXT, szNote),
    ROW(44, "Custom 1", TEXT, szCustom1),
    ROW(45, "Custom 2", TEXT, szCustom2),
    ROW(46, "Custom 3", TEXT, szCustom3),
    ROW(47, "Custom 4", TEXT, szCustom4),
    ROW(48, "Custom 5", TEXT, szCustom5),
    ROW(49, "Custom 6", TEXT, szCustom6),
    ROW(50, "Custom 7", TEXT, szCustom7),
    ROW(51, "Custom 8", TEXT, szCustom8),
    ROW(52, "Custom 9", TEXT, szCustom9),
    ROW(53, "Company", TEXT, szCompany),
    ROW(55, "Title", TEXT, szTitle),
    ROW(54, "Department", TEXT, szDepartment),
    ROW(56, "IM 1", TEXT, szIM1),
    ROW(57, "IM 2", TEXT, szIM2),
    ROW(58, "Manager Name", TEXT, szManagerName),
    ROW(59, "Assistant Name", TEXT, szAssistantName),
    ROW(60, "Assistant Phone", TEXT, szAssistantPhone),
    ROW(61, "Spouse Name", TEXT, szSpouseName),
    ROW(62, "Children's Names", TEXT, szChildrenNames),
    ROW(63, "Profession", TEXT, szProfession),
    ROW(64, "Hobby", TEXT, szHobby),
    ROW(65, "Account", TEXT, szAccount),
    ROW(67, "Birthday", DATE, dtBirthday),
    ROW(66, "Anniversary", DATE, dtAnniversary),
    ROW(68, "Keyword", TEXT, szKeyword),
    ROW(69, "Language", TEXT, szLanguage),
    ROW(70, "Location", TEXT, szLocation),
    ROW(71, "MHS Common Name", TEXT, szMHSCommonName),
    ROW(72, "Customer ID", TEXT, szCustomerID),
    ROW(73, "Government ID", TEXT, szGovernmentID),
    ROW(74, "Organization ID", TEXT, szOrganizationID),
    ROW(75, "Category", TEXT, szCategory),
    ROW(76, "Creation Time", DATE, dtCreationTime),
    ROW(77, "Last Modification Time", DATE, dtLastModificationTime),
    ROW(78, "Source Type", INT, nSourceType),
    ROW(79, "Status", INT, nStatus),
    ROW(80, "ID", TEXT, szID),
    ROW(81, "Private", FLAG, nPrivate),
    ROW(82, "Custom Label 1", TEXT, szCustomLabel1),
    ROW(83, "Custom Label 2", TEXT, szCustomLabel2),
    ROW(84, "Custom Label 3", TEXT, szCustomLabel3),
    ROW(85, "Custom Label 4", TEXT, szCustomLabel4),
    ROW(86, "Custom Label 5", TEXT, szCustomLabel5),
    ROW(87, "Custom Label 6", TEXT, szCustomLabel6),
    ROW(88, "Custom Label 7", TEXT, szCustomLabel7),
    ROW(89, "Custom Label 8", TEXT, szCustomLabel8),
    ROW(90, "Custom Label 9", TEXT, szCustomLabel9),
};

#undef ROW

const int g_nCommAddrFieldCount = sizeof(g_aCommAddrFields) / sizeof(g_aCommAddrFields[0]);

const tagCommAddrField* FindCommAddrField(int key) {
    for (int i = 0; i < g_nCommAddrFieldCount; ++i)
        if (g_aCommAddrFields[i].info.nKey == key)
            return &g_aCommAddrFields[i];
    return nullptr;
}
