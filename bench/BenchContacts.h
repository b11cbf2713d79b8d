// Contacts of about the size a seed gives, for the benchmarks.
#pragma once
#include <string>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/misc/CxString.h"

// About the bytes of a seeded contact: most fields filled, a short comment.
inline void FillContact(tagCxLNAddrRec* rec, int i) {
    CxLNAddrUtil::InitRec(rec);
    CxStrFormat(rec->szID, sizeof rec->szID, "%d", i + 1);
    CxStrFormat(rec->szFirstName, sizeof rec->szFirstName, "First%d", i);
    CxStrCopy(rec->szMiddleName, "R");
    CxStrCopy(rec->szLastName, "Ivanova");
    CxStrFormat(rec->szDisplayName, sizeof rec->szDisplayName, "First%d R. Ivanova", i);
    CxStrCopy(rec->szCompany, "Acme Tools");
    CxStrCopy(rec->szDepartment, "Logistics");
    CxStrCopy(rec->szJobTitle, "Director");
    CxStrCopy(rec->szLocation, "Building C");
    CxStrCopy(rec->szAssistant, "Ines Petrov");
    CxStrCopy(rec->szManager, "Rosa Ivanova");
    for (char* mail : {rec->szBusinessEmail, rec->szPersonalEmail, rec->szBusinessEmail2,
                       rec->szPersonalEmail2})
        CxStrFormat(mail, 128, "first%d.ivanova@work.example.com", i);
    for (char* street : {rec->szBusinessStreet, rec->szHomeStreet, rec->szOtherStreet})
        CxStrCopyN(street, 256, "142 Midosuji", 12);
    for (char* phone : {rec->szPrimaryPhone, rec->szBusinessPhone, rec->szHomePhone,
                        rec->szMobilePhone, rec->szBusinessFax, rec->szHomeFax})
        CxStrCopyN(phone, 32, "+45 881 9281921", 15);
    CxStrCopy(rec->szWebSite, "https://www.example.com/first.ivanova");
    CxStrCopy(rec->szBlogSite, "https://blog.example.net/first.ivanova");
    CxStrCopy(rec->szNote, std::string(600, 'n').c_str());
    CxStrCopy(rec->szCategories, "Personal");
    rec->dtBirthday = 33000.0;
}

