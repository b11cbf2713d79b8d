#include "wizard/update/Vxlnaddr.h"

#include <cstddef>

#include "wizard/update/VxApply.h"

namespace {

// Keys 1 to 44, in key order.
const std::size_t kTextFields[] = {
    offsetof(tagCxLNAddrRec, szFirstName),        offsetof(tagCxLNAddrRec, szMiddleName),
    offsetof(tagCxLNAddrRec, szLastName),         offsetof(tagCxLNAddrRec, szSuffix),
    offsetof(tagCxLNAddrRec, szDisplayName),      offsetof(tagCxLNAddrRec, szCompany),
    offsetof(tagCxLNAddrRec, szDepartment),       offsetof(tagCxLNAddrRec, szJobTitle),
    offsetof(tagCxLNAddrRec, szLocation),         offsetof(tagCxLNAddrRec, szAssistant),
    offsetof(tagCxLNAddrRec, szManager),          offsetof(tagCxLNAddrRec, szBusinessEmail),
    offsetof(tagCxLNAddrRec, szPersonalEmail),    offsetof(tagCxLNAddrRec, szAssistantPhone),
    offsetof(tagCxLNAddrRec, szBusinessEmail2),   offsetof(tagCxLNAddrRec, szPersonalEmail2),
    offsetof(tagCxLNAddrRec, szBusinessStreet),   offsetof(tagCxLNAddrRec, szBusinessCity),
    offsetof(tagCxLNAddrRec, szBusinessState),    offsetof(tagCxLNAddrRec, szBusinessCountry),
    offsetof(tagCxLNAddrRec, szBusinessPostal),   offsetof(tagCxLNAddrRec, szHomeStreet),
    offsetof(tagCxLNAddrRec, szHomeCity),         offsetof(tagCxLNAddrRec, szHomeState),
    offsetof(tagCxLNAddrRec, szHomeCountry),      offsetof(tagCxLNAddrRec, szHomePostal),
    offsetof(tagCxLNAddrRec, szOtherStreet),      offsetof(tagCxLNAddrRec, szOtherCity),
    offsetof(tagCxLNAddrRec, szOtherState),       offsetof(tagCxLNAddrRec, szOtherCountry),
    offsetof(tagCxLNAddrRec, szOtherPostal),      offsetof(tagCxLNAddrRec, szPrimaryPhone),
    offsetof(tagCxLNAddrRec, szBusinessPhone),    offsetof(tagCxLNAddrRec, szHomePhone),
    offsetof(tagCxLNAddrRec, szMobilePhone),      offsetof(tagCxLNAddrRec, szBusinessFax),
    offsetof(tagCxLNAddrRec, szHomeFax),          offsetof(tagCxLNAddrRec, szPager),
    offsetof(tagCxLNAddrRec, szInstantMessenger), offsetof(tagCxLNAddrRec, szWebSite),
    offsetof(tagCxLNAddrRec, szBlogSite),         offsetof(tagCxLNAddrRec, szSpouse),
    offsetof(tagCxLNAddrRec, szChildren),         offsetof(tagCxLNAddrRec, szNote),
};
const int kFirstTextKey = 1;
const int kTextCount = sizeof(kTextFields) / sizeof(kTextFields[0]);

} // namespace

CxVXLNAddrUtil::CxVXLNAddrUtil() : m_pLNUtil(nullptr) {}

char* CxVXLNAddrUtil::GetTextField(tagCxLNAddrRec* record, int key) {
    const int index = key - kFirstTextKey;
    if (!record || index < 0 || index >= kTextCount)
        return nullptr;
    return reinterpret_cast<char*>(record) + kTextFields[index];
}

double* CxVXLNAddrUtil::GetDateField(tagCxLNAddrRec* record, int key) {
    if (!record)
        return nullptr;
    switch (key) {
    case 46:
        return &record->dtBirthday;
    case 47:
        return &record->dtAnniversary;
    default:
        return nullptr;
    }
}

uint8_t* CxVXLNAddrUtil::GetBoolField(tagCxLNAddrRec*, int) {
    return nullptr;
}

int32_t* CxVXLNAddrUtil::GetIntField(tagCxLNAddrRec*, int) {
    return nullptr;
}

int32_t* CxVXLNAddrUtil::GetEnumField(tagCxLNAddrRec*, int) {
    return nullptr;
}

bool CxVXLNAddrUtil::ApplyUpdate(tagCxLNAddrRec* record, const tagFUFieldUpdate* def) {
    return FUApplyUpdate<CxVXLNAddrUtil>(record, def);
}

bool CxVXLNAddrUtil::MarkChanged(tagCxLNAddrRec* record) {
    return FUMarkChanged(record);
}
