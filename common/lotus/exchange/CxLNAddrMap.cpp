#include "CxLNAddrMap.h"

#include <cstddef>

#include "common/lotus/exchange/CxLNRecords.h"
#include "common/lotus/exchange/CxLNText.h"
#include "common/pim/CommRecords.h"

namespace {

struct tagLNAddrTextMap {
    std::size_t nNotesOffset;
    std::size_t nNotesSize;
    std::size_t nCommOffset;
    std::size_t nCommSize;
    std::size_t nToNotes; // characters copied into the Notes record
    std::size_t nToComm;  // characters copied into the common record
};

#define ROW(notes, comm, toNotes, toComm)                                                          \
    {                                                                                              \
        offsetof(tagCxLNAddrRec, notes), sizeof(tagCxLNAddrRec::notes),                            \
            offsetof(tagCommAddrRec, comm), sizeof(tagCommAddrRec::comm), toNotes, toComm          \
    }

const tagLNAddrTextMap kTextMap[] = {
    ROW(szFirstName, szFirstName, 63, 31),
    ROW(szMiddleName, szMiddleName, 63, 31),
    ROW(szLastName, szLastName, 63, 31),
    ROW(szSuffix, szSuffix, 63, 31),
    ROW(szDisplayName, szDisplayName, 255, 31),
    ROW(szCompany, szCompany, 63, 63),
    ROW(szDepartment, szDepartment, 63, 31),
    ROW(szJobTitle, szTitle, 63, 31),
    ROW(szLocation, szLocation, 255, 63),
    ROW(szAssistant, szAssistantName, 63, 31),
    ROW(szManager, szManagerName, 63, 31),
    ROW(szBusinessEmail, szEmail, 127, 63),
    ROW(szPersonalEmail, szEmail2, 127, 63),
    ROW(szAssistantPhone, szEmail3, 127, 63),
    ROW(szBusinessStreet, szWorkStreet, 255, 255),
    ROW(szBusinessCity, szWorkCity, 31, 31),
    ROW(szBusinessState, szWorkState, 31, 31),
    ROW(szBusinessCountry, szWorkCountry, 31, 31),
    ROW(szBusinessPostal, szWorkPostal, 31, 15),
    ROW(szHomeStreet, szHomeStreet, 255, 255),
    ROW(szHomeCity, szHomeCity, 31, 31),
    ROW(szHomeState, szHomeState, 31, 31),
    ROW(szHomeCountry, szHomeCountry, 31, 31),
    ROW(szHomePostal, szHomePostal, 31, 15),
    ROW(szOtherStreet, szOtherStreet, 255, 255),
    ROW(szOtherCity, szOtherCity, 31, 31),
    ROW(szOtherState, szOtherState, 31, 31),
    ROW(szOtherCountry, szOtherCountry, 31, 31),
    ROW(szOtherPostal, szOtherPostal, 31, 15),
    ROW(szPrimaryPhone, szPrimaryPhone, 31, 23),
    ROW(szBusinessPhone, szWorkPhone, 31, 23),
    ROW(szHomePhone, szHomePhone, 31, 23),
    ROW(szMobilePhone, szMobilePhone, 31, 23),
    ROW(szBusinessFax, szWorkFax, 31, 23),
    ROW(szHomeFax, szHomeFax, 31, 23),
    ROW(szPager, szPager, 31, 23),
    ROW(szInstantMessenger, szIM1, 63, 31),
    ROW(szWebSite, szWorkHomePage, 255, 255),
    ROW(szBlogSite, szPersonalHomePage, 255, 255),
    ROW(szSpouse, szSpouseName, 63, 31),
    ROW(szChildren, szChildrenNames, 255, 31),
    ROW(szNote, szNote, 4095, 8191),
};

#undef ROW

} // namespace

void LNCopyAddrTexts(tagCxLNAddrRec* notes, tagCommAddrRec* common, bool toNotes) {
    char* inNotes = reinterpret_cast<char*>(notes);
    char* inComm = reinterpret_cast<char*>(common);
    for (const tagLNAddrTextMap& row : kTextMap) {
        if (toNotes)
            LNCopyText(inNotes + row.nNotesOffset, row.nNotesSize, inComm + row.nCommOffset,
                       row.nCommSize, row.nToNotes);
        else
            LNCopyText(inComm + row.nCommOffset, row.nCommSize, inNotes + row.nNotesOffset,
                       row.nNotesSize, row.nToComm);
    }
}
