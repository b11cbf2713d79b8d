// Kind-neutral contact, calendar, task and note records. Each ends with the
// user-data pair: pUserData links the Notes record (not owned when
// nUserDataSize is 0, as everywhere in this system).
#pragma once
#include <cstdint>

#include "platform/OleDate.h"

struct tagCommAddrRec {
    char szFirstName[32];          // 1
    char szLastName[32];           // 3
    char szMiddleName[32];         // 2
    char szPrefix[32];             // 4
    char szSuffix[32];             // 5
    char szNickName[32];           // 6
    char szDisplayName[32];        // 7
    int32_t nGender;               // 8
    char szWorkStreet[256];        // 9
    char szWorkCity[32];           // 10
    char szWorkState[32];          // 11
    char szWorkPostal[16];         // 12
    char szWorkCountry[32];        // 13
    char szHomeStreet[256];        // 14
    char szHomeCity[32];           // 15
    char szHomeState[32];          // 16
    char szHomePostal[16];         // 17
    char szHomeCountry[32];        // 18
    char szOtherStreet[256];       // 19
    char szOtherCity[32];          // 20
    char szOtherState[32];         // 21
    char szOtherPostal[16];        // 22
    char szOtherCountry[32];       // 23
    char szHomePhone[24];          // 24
    char szWorkPhone[24];          // 25
    char szMobilePhone[24];        // 26
    char szPrimaryPhone[24];       // 28
    char szOtherPhone[24];         // 27
    char szCallbackPhone[24];      // 29
    char szRadioPhone[24];         // 31
    char szCarPhone[24];           // 30
    char szWorkPhone2[24];         // 32
    char szHomePhone2[24];         // 33
    char szWorkFax[24];            // 34
    char szHomeFax[24];            // 35
    char szPager[24];              // 36
    char szEmail[64];              // 37
    char szEmail2[64];             // 38
    char szEmail3[64];             // 39
    char szWorkHomePage[256];      // 41
    char szPersonalHomePage[256];  // 40
    char szFTPSite[256];           // 42
    char szNote[8192];             // 43
    char szCustom1[64];            // 44
    char szCustom2[64];            // 45
    char szCustom3[64];            // 46
    char szCustom4[64];            // 47
    char szCustom5[64];            // 48
    char szCustom6[64];            // 49
    char szCustom7[64];            // 50
    char szCustom8[64];            // 51
    char szCustom9[64];            // 52
    char szCompany[64];            // 53
    char szTitle[32];              // 55
    char szDepartment[32];         // 54
    char szIM1[32];                // 56
    char szIM2[32];                // 57
    char szManagerName[32];        // 58
    char szAssistantName[32];      // 59
    char szAssistantPhone[24];     // 60
    char szSpouseName[32];         // 61
    char szChildrenNames[32];      // 62
    char szProfession[64];         // 63
    char szHobby[64];              // 64
    char szAccount[32];            // 65
    double dtBirthday;             // 67
    double dtAnniversary;          // 66
    char szKeyword[64];            // 68
    char szLanguage[64];           // 69
    char szLocation[64];           // 70
    char szMHSCommonName[32];      // 71
    char szCustomerID[32];         // 72
    char szGovernmentID[32];       // 73
    char szOrganizationID[32];     // 74
    char szCategory[256];          // 75
    double dtCreationTime;         // 76
    double dtLastModificationTime; // 77
    int32_t nSourceType;           // 78
    int32_t nStatus;               // 79
    char szID[64];                 // 80
    int32_t nPrivate;              // 81
    char szCustomLabel1[64];       // 82
    char szCustomLabel2[64];       // 83
    char szCustomLabel3[64];       // 84
    char szCustomLabel4[64];       // 85
    char szCustomLabel5[64];       // 86
    char szCustomLabel6[64];       // 87
    char szCustomLabel7[64];       // 88
    char szCustomLabel8[64];       // 89
    char szCustomLabel9[64];       // 90
    void* pUserData;
    int32_t nUserDataSize;
};

struct tagCommDateRec {
    char szDescription[256]; // 1
    int32_t nAllDayEvent;    // 13
    SYSTEMTIME stStart;      // 2, 4, 6
    SYSTEMTIME stEnd;        // 3, 5
    int32_t nAlarm;          // 12
    char szNote[8192];       // 7
    char szLocation[256];    // 9
    int32_t nRepeatKind;     // 14: 0 none, 1 daily, 2 weekly, 3 monthly by weekday,
                             //     4 monthly by date, 5 and 6 yearly
    uint8_t bRepeatUntil;
    SYSTEMTIME stRepeatStart;
    SYSTEMTIME stRepeatUntil;
    int32_t nRepeatInterval;
    int32_t nRepeatWeekday;
    int32_t nRepeatDay;
    int32_t nRepeatMonth;
    int32_t nPrivate;     // 8
    char szCategory[128]; // 11
    int32_t nImportance;  // 10
    int32_t nSource;      // 9 for records converted from Lotus Notes
    void* pUserData;
    int32_t nUserDataSize;
};

struct tagCommTaskRec {
    char szSubject[256];  // 0
    char szNote[8192];    // 1
    char szCategory[256]; // 7
    int32_t nPriority;    // 2: 1 high, 2 low, else normal
    uint8_t bCompleted;   // 3
    int32_t nDueDate;     // 4: seconds since 1970, 0 when none
    uint8_t bAlarm;       // 5
    uint8_t bPrivate;     // 6
    int32_t nSource;
    void* pUserData;
    int32_t nUserDataSize;
};

struct tagCommNoteRec {
    int32_t nColor;                // 0, 0xRRGGBB
    int32_t nPrivate;              // 1
    char szSubject[256];           // 2
    char szNote[20480];            // 3
    char szCategory[256];          // 4
    double dtCreationTime;         // 5
    double dtLastModificationTime; // 6
    int32_t nSource;               // 7
    int32_t nStatus;               // 8
    int32_t nIDInteger;            // 9
    char szIDString[32];           // 10
    void* pUserData;
    int32_t nUserDataSize;
};
