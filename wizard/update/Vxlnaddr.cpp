#include "wizard/update/Vxlnaddr.h"

namespace {

typedef tagCxLNAddrRec Rec;

// In display order; key 45, the categories, cannot be updated.
const tagFUKindField kFields[] = {
    FU_FIELD(Rec, 1, FU_TYPE_STRING, "First Name", szFirstName),
    FU_FIELD(Rec, 2, FU_TYPE_STRING, "Middle Name / Initial", szMiddleName),
    FU_FIELD(Rec, 3, FU_TYPE_STRING, "Last Name", szLastName),
    FU_FIELD(Rec, 4, FU_TYPE_STRING, "Suffix", szSuffix),
    FU_FIELD(Rec, 5, FU_TYPE_STRING, "Display Name", szDisplayName),
    FU_FIELD(Rec, 6, FU_TYPE_STRING, "Company Name", szCompany),
    FU_FIELD(Rec, 7, FU_TYPE_STRING, "Department", szDepartment),
    FU_FIELD(Rec, 8, FU_TYPE_STRING, "Job Title", szJobTitle),
    FU_FIELD(Rec, 9, FU_TYPE_STRING, "Location", szLocation),
    FU_FIELD(Rec, 10, FU_TYPE_STRING, "Assistant Name", szAssistant),
    FU_FIELD(Rec, 11, FU_TYPE_STRING, "Manager Name", szManager),
    FU_FIELD(Rec, 12, FU_TYPE_STRING, "Business Email", szBusinessEmail),
    FU_FIELD(Rec, 13, FU_TYPE_STRING, "Personal Email", szPersonalEmail),
    FU_FIELD(Rec, 14, FU_TYPE_STRING, "Assistant Phone", szAssistantPhone),
    FU_FIELD(Rec, 15, FU_TYPE_STRING, "Business Email 2", szBusinessEmail2),
    FU_FIELD(Rec, 16, FU_TYPE_STRING, "Personal Email 2", szPersonalEmail2),
    FU_FIELD(Rec, 17, FU_TYPE_STRING, "Business Street", szBusinessStreet),
    FU_FIELD(Rec, 18, FU_TYPE_STRING, "Business City", szBusinessCity),
    FU_FIELD(Rec, 19, FU_TYPE_STRING, "Business State", szBusinessState),
    FU_FIELD(Rec, 20, FU_TYPE_STRING, "Business Country", szBusinessCountry),
    FU_FIELD(Rec, 21, FU_TYPE_STRING, "Business Postal", szBusinessPostal),
    FU_FIELD(Rec, 22, FU_TYPE_STRING, "Home Street", szHomeStreet),
    FU_FIELD(Rec, 23, FU_TYPE_STRING, "Home City", szHomeCity),
    FU_FIELD(Rec, 24, FU_TYPE_STRING, "Home State", szHomeState),
    FU_FIELD(Rec, 25, FU_TYPE_STRING, "Home Country", szHomeCountry),
    FU_FIELD(Rec, 26, FU_TYPE_STRING, "Home Postal", szHomePostal),
    FU_FIELD(Rec, 27, FU_TYPE_STRING, "Other Street", szOtherStreet),
    FU_FIELD(Rec, 28, FU_TYPE_STRING, "Other City", szOtherCity),
    FU_FIELD(Rec, 29, FU_TYPE_STRING, "Other State", szOtherState),
    FU_FIELD(Rec, 30, FU_TYPE_STRING, "Other Country", szOtherCountry),
    FU_FIELD(Rec, 31, FU_TYPE_STRING, "Other Postal", szOtherPostal),
    FU_FIELD(Rec, 32, FU_TYPE_STRING, "Primary Phone", szPrimaryPhone),
    FU_FIELD(Rec, 33, FU_TYPE_STRING, "Business Phone", szBusinessPhone),
    FU_FIELD(Rec, 34, FU_TYPE_STRING, "Home Phone", szHomePhone),
    FU_FIELD(Rec, 35, FU_TYPE_STRING, "Mobile Phone", szMobilePhone),
    FU_FIELD(Rec, 36, FU_TYPE_STRING, "Business Fax", szBusinessFax),
    FU_FIELD(Rec, 37, FU_TYPE_STRING, "Home Fax", szHomeFax),
    FU_FIELD(Rec, 38, FU_TYPE_STRING, "Pager", szPager),
    FU_FIELD(Rec, 39, FU_TYPE_STRING, "Instant Messenger", szInstantMessenger),
    FU_FIELD(Rec, 40, FU_TYPE_STRING, "Web Site", szWebSite),
    FU_FIELD(Rec, 41, FU_TYPE_STRING, "Blog Site", szBlogSite),
    FU_FIELD(Rec, 42, FU_TYPE_STRING, "Spouse Name", szSpouse),
    FU_FIELD(Rec, 43, FU_TYPE_STRING, "Children's Names", szChildren),
    FU_FIELD(Rec, 44, FU_TYPE_STRING, "Note", szNote),
    FU_FIELD(Rec, 46, FU_TYPE_DATE, "Birth Date", dtBirthday),
    FU_FIELD(Rec, 47, FU_TYPE_DATE, "Anniversary", dtAnniversary),
};

} // namespace

const tagFUKindFields kVXLNAddrFields = FUKindFields(kFields);
