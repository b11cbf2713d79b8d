#include "CxLNAddrItems.h"

#include <cstddef>
#include <cstring>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNCommon.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

// Field ids of the contacts catalogue: the text fields from szFirstName to
// szCategories in declaration order, then the two dates.
// clang-format off
#define LN_ADDR_TEXT_FIELDS(X) \
    X(szFirstName) \
    X(szMiddleName) \
    X(szLastName) \
    X(szSuffix) \
    X(szDisplayName) \
    X(szCompany) \
    X(szDepartment) \
    X(szJobTitle) \
    X(szLocation) \
    X(szAssistant) \
    X(szManager) \
    X(szBusinessEmail) \
    X(szPersonalEmail) \
    X(szAssistantPhone) \
    X(szBusinessEmail2) \
    X(szPersonalEmail2) \
    X(szBusinessStreet) \
    X(szBusinessCity) \
    X(szBusinessState) \
    X(szBusinessCountry) \
    X(szBusinessPostal) \
    X(szHomeStreet) \
    X(szHomeCity) \
    X(szHomeState) \
    X(szHomeCountry) \
    X(szHomePostal) \
    X(szOtherStreet) \
    X(szOtherCity) \
    X(szOtherState) \
    X(szOtherCountry) \
    X(szOtherPostal) \
    X(szPrimaryPhone) \
    X(szBusinessPhone) \
    X(szHomePhone) \
    X(szMobilePhone) \
    X(szBusinessFax) \
    X(szHomeFax) \
    X(szPager) \
    X(szInstantMessenger) \
    X(szWebSite) \
    X(szBlogSite) \
    X(szSpouse) \
    X(szChildren) \
    X(szNote) \
    X(szCategories)
// clang-format on

#define LN_ADDR_ID(field) ID_##field,
enum : int { ID_NONE = 0, LN_ADDR_TEXT_FIELDS(LN_ADDR_ID) ID_dtBirthday, ID_dtAnniversary };
#undef LN_ADDR_ID

struct tagTextField {
    std::size_t nOffset;
    std::size_t nSize;
};

#define LN_ADDR_FIELD(field) {offsetof(tagCxLNAddrRec, field), sizeof(tagCxLNAddrRec::field)},
// Indexed by field id; entry 0 stands for no field.
const tagTextField kTextFields[] = {{0, 0}, LN_ADDR_TEXT_FIELDS(LN_ADDR_FIELD)};
#undef LN_ADDR_FIELD

constexpr int kNotRead = -1;

constexpr tagLNItemEntry kItemTable[70] = {
    {"Type", kNotRead},
    {"Form", kNotRead},
    {"Comment", ID_szNote},
    {"FullNameInput", kNotRead},
    {"CompanyName", ID_szCompany},
    {"JobTitle", ID_szJobTitle},
    {"FirstName", ID_szFirstName},
    {"MiddleInitial", ID_szMiddleName},
    {"LastName", ID_szLastName},
    {"Title", kNotRead},
    {"Suffix", ID_szSuffix},
    {"MailAddress", kNotRead},
    {"InternetAddress", kNotRead},
    {"primaryPhoneNumber", ID_szPrimaryPhone},
    {"primaryAddress", kNotRead},
    {"email_1", ID_szBusinessEmail},
    {"MiscPhone1", ID_szPersonalEmail},
    {"MiscPhone2", ID_szAssistantPhone},
    {"MiscPhone3", ID_szBusinessEmail2},
    {"email_5", ID_szPersonalEmail2},
    {"OfficePhoneNumber", ID_szBusinessPhone},
    {"PhoneNumber", ID_szHomePhone},
    {"CellPhoneNumber", ID_szMobilePhone},
    {"OfficeFAXPhoneNumber", ID_szBusinessFax},
    {"PhoneNumber_6", ID_szPager},
    {"PhoneNumber_8", kNotRead},
    {"HomeFAXPhoneNumber", ID_szHomeFax},
    {"PersPager", kNotRead},
    {"PhoneNumber_9", kNotRead},
    {"PhoneNumber_10", kNotRead},
    {"SametimeLogin", ID_szInstantMessenger},
    {"Department", ID_szDepartment},
    {"Location", ID_szLocation},
    {"Manager", ID_szManager},
    {"Assistant", ID_szAssistant},
    {"WebSite", ID_szWebSite},
    {"Blogsite", ID_szBlogSite},
    {"Spouse", ID_szSpouse},
    {"Children", ID_szChildren},
    {"Birthday", ID_dtBirthday},
    {"Anniversary", ID_dtAnniversary},
    {"Custom1", kNotRead},
    {"Custom2", kNotRead},
    {"Custom3", kNotRead},
    {"OfficeStreetAddress", ID_szBusinessStreet},
    {"OfficeCity", ID_szBusinessCity},
    {"OfficeState", ID_szBusinessState},
    {"OfficeZIP", ID_szBusinessPostal},
    {"OfficeCountry", ID_szBusinessCountry},
    {"StreetAddress", ID_szHomeStreet},
    {"City", ID_szHomeCity},
    {"State", ID_szHomeState},
    {"ZIP", ID_szHomePostal},
    {"Country", ID_szHomeCountry},
    {"OtherStreetAddress", ID_szOtherStreet},
    {"OtherCity", ID_szOtherCity},
    {"OtherState", ID_szOtherState},
    {"OtherZIP", ID_szOtherPostal},
    {"OtherCountry", ID_szOtherCountry},
    {"Categories", ID_szCategories},
    {"FullName", ID_szDisplayName},
    // 61 to 69: empty, never match.
};

bool TakesType(WORD type) {
    return type == TYPE_TEXT || type == TYPE_TIME;
}

void ReadText(tagCxLNAddrRec* rec, int field, const char* value, std::size_t length) {
    if (field > ID_szCategories || length == 0)
        return;
    char* target = reinterpret_cast<char*>(rec) + kTextFields[field].nOffset;
    CxStrCopyN(target, kTextFields[field].nSize, value, length);
}

void ReadTime(tagCxLNAddrRec* rec, int field, const char* value, std::size_t length) {
    if (length < sizeof(TIMEDATE))
        return;
    TIMEDATE time;
    std::memcpy(&time, value, sizeof time);
    double* target = field == ID_dtBirthday ? &rec->dtBirthday : &rec->dtAnniversary;
    TIMEDATEToVariantTime(&time, target);
}

void ReadItem(void* record, int field, WORD type, const char* value, std::size_t length) {
    tagCxLNAddrRec* rec = static_cast<tagCxLNAddrRec*>(record);
    const bool isTime = field == ID_dtBirthday || field == ID_dtAnniversary;
    if (type == TYPE_TEXT && !isTime)
        ReadText(rec, field, value, length);
    else if (type == TYPE_TIME && isTime)
        ReadTime(rec, field, value, length);
}

constexpr bool SameName(const char* a, const char* b) {
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// Runs of kItemTable written back in table order, the items not read left out.
struct tagWrittenRun {
    int nFirst;
    int nLast;
};
constexpr tagWrittenRun kPhonesToChildren = {15, 38};
constexpr tagWrittenRun kAddressesToCategories = {44, 59};
static_assert(SameName(kItemTable[kPhonesToChildren.nFirst].szName, "email_1") &&
                  SameName(kItemTable[kPhonesToChildren.nLast].szName, "Children") &&
                  SameName(kItemTable[kAddressesToCategories.nFirst].szName,
                           "OfficeStreetAddress") &&
                  SameName(kItemTable[kAddressesToCategories.nLast].szName, "Categories"),
              "the written runs of the contacts item table");

void WriteText(const tagCxLNAddrRec* rec, const tagLNItemWriter& writer,
               const tagLNItemEntry& text) {
    const tagTextField& field = kTextFields[text.nFieldID];
    const char* value = reinterpret_cast<const char*>(rec) + field.nOffset;
    LNWriteTextItem(writer, text.szName, value, field.nSize);
}

template <std::size_t N>
void WriteTexts(const tagCxLNAddrRec* rec, const tagLNItemWriter& writer,
                const tagLNItemEntry (&texts)[N]) {
    for (const tagLNItemEntry& text : texts)
        WriteText(rec, writer, text);
}

void WriteRun(const tagCxLNAddrRec* rec, const tagLNItemWriter& writer, const tagWrittenRun& run) {
    for (int i = run.nFirst; i <= run.nLast; ++i)
        if (kItemTable[i].nFieldID != kNotRead)
            WriteText(rec, writer, kItemTable[i]);
}

// Written first, in this order.
const tagLNItemEntry kNames[] = {
    {"FirstName", ID_szFirstName}, {"MiddleInitial", ID_szMiddleName}, {"LastName", ID_szLastName},
    {"Suffix", ID_szSuffix},       {"CompanyName", ID_szCompany},      {"JobTitle", ID_szJobTitle},
};

// "Comment" and "primaryPhoneNumber" are offered for update, so they go
// back too; "FullName" stays last.
const tagLNItemEntry kLastTexts[] = {
    {"Comment", ID_szNote},
    {"primaryPhoneNumber", ID_szPrimaryPhone},
    {"FullName", ID_szDisplayName},
};

void SetPersonText(NOTEHANDLE note, const char* item) {
    STATUS status = LNApi().NSFItemSetText(note, item, "Person", 6);
    if (status != NOERROR)
        CX_LOG_ERROR("Failed to call NSFItemSetText, error code=%d", status);
}

} // namespace

const tagLNItemKind kLNAddrItems = {kItemTable, 70, true, TakesType, ReadItem};

bool LNWriteAddrItems(const tagCxLNAddrRec* rec, const tagLNItemWriter& writer) {
    if (!rec || writer.hNote == NULLHANDLE)
        return false;
    WriteTexts(rec, writer, kNames);
    WriteRun(rec, writer, kPhonesToChildren);
    LNWriteTimeItem(writer, "Birthday", rec->dtBirthday);
    LNWriteTimeItem(writer, "Anniversary", rec->dtAnniversary);
    WriteRun(rec, writer, kAddressesToCategories);
    WriteTexts(rec, writer, kLastTexts);
    return true;
}

void LNWritePersonItems(NOTEHANDLE note) {
    SetPersonText(note, "Form");
    SetPersonText(note, "Type");
}
