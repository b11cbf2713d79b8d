// The Notes-side records, one fixed-size record per document. Every kind
// starts with nAction, nOrigin, szID and ends with pCommRec, the link to its
// common record (never written to a file).
#pragma once
#include <cstdint>

// nAction: 0 nothing, 2 write the record to its document, 3 delete the document.
// nOrigin: 0 loaded, 1 new (create a document), 2 existing document to modify.
enum : int32_t { LN_ACTION_NONE = 0, LN_ACTION_WRITE = 2, LN_ACTION_DELETE = 3 };
enum : int32_t { LN_ORIGIN_LOADED = 0, LN_ORIGIN_NEW = 1, LN_ORIGIN_MODIFIED = 2 };

// Whether the write-back acts on a record: writes it to a new or an existing
// document, or deletes its document.
inline bool LNHasWork(int32_t action, int32_t origin) {
    if (action == LN_ACTION_DELETE)
        return true;
    return action == LN_ACTION_WRITE && (origin == LN_ORIGIN_NEW || origin == LN_ORIGIN_MODIFIED);
}
template <class Rec> bool LNRecHasWork(const Rec* rec) {
    return LNHasWork(rec->nAction, rec->nOrigin);
}

struct tagCxLNAddrRec {
    int32_t nAction;
    int32_t nOrigin;
    char szID[64];
    char szFirstName[64];
    char szMiddleName[64];
    char szLastName[64];
    char szSuffix[64];
    char szDisplayName[256];
    char szCompany[64];
    char szDepartment[64];
    char szJobTitle[64];
    char szLocation[256];
    char szAssistant[64];
    char szManager[64];
    char szBusinessEmail[128];
    char szPersonalEmail[128];
    char szAssistantPhone[128];
    char szBusinessEmail2[128];
    char szPersonalEmail2[128];
    char szBusinessStreet[256];
    char szBusinessCity[32];
    char szBusinessState[32];
    char szBusinessCountry[32];
    char szBusinessPostal[32];
    char szHomeStreet[256];
    char szHomeCity[32];
    char szHomeState[32];
    char szHomeCountry[32];
    char szHomePostal[32];
    char szOtherStreet[256];
    char szOtherCity[32];
    char szOtherState[32];
    char szOtherCountry[32];
    char szOtherPostal[32];
    char szPrimaryPhone[32];
    char szBusinessPhone[32];
    char szHomePhone[32];
    char szMobilePhone[32];
    char szBusinessFax[32];
    char szHomeFax[32];
    char szPager[32];
    char szInstantMessenger[64];
    char szWebSite[256];
    char szBlogSite[256];
    char szSpouse[64];
    char szChildren[256];
    char szNote[4096];
    char szCategories[256];
    double dtBirthday;
    double dtAnniversary;
    void* pCommRec;
};

struct tagCxLNDateRec {
    int32_t nAction;
    int32_t nOrigin;
    char szID[64];
    char szSubject[256];
    char szLocation[256];
    char szBody[20480];
    char szRepeats[10];
    char szResources[256];
    char szStartTimeZone[64];
    char szEndTimeZone[64];
    double dtStartTime;
    double dtEndTime;
    double dtStartDate;
    double dtEndDate;
    double dtStartDateTime;
    double dtEndDateTime;
    char szRepeatUnit[10];
    char szRepeatInterval[10];
    char szRepeatAdjust[10];
    char szRepeatFromEnd[10];
    double dtRepeatStartDate;
    char szRepeatHow[10];
    double dtRepeatUntil;
    char szRepeatForUnit[10];
    int32_t nRepeatFor;
    char szRepeatWeekends[10];
    double dtRepeatCustom;
    char szAppointmentType[10]; // written after szCSFlags in the file
    char szCSFlags[10];
    uint8_t bPrivate;  // "$PublicAccess" is not "1"
    uint8_t bResponse; // carries "$REF"; not in the file
    void* pCommRec;
};

struct tagCxLNTaskRec {
    int32_t nAction;
    int32_t nOrigin;
    char szID[64];
    char szSubject[256];
    char szBody[8192];
    char szRepeats[256];
    char szCategories[256];
    int32_t nImportance;
    char szTaskType[32];
    double dtDueDate;
    double dtStartDate;
    double dtEndDate;
    int32_t nDueState;
    int32_t nAlarm;
    char szAlarmUnit[16];
    char szAlarmMemoOptions[256];
    char szAlarmDescription[256];
    int32_t nAlarmOffset;
    char szAlarmString[256];
    // Not in the file from here on, but bPrivate (slot 9).
    char szRepeatUnit[10];
    char szRepeatInterval[10];
    char szRepeatAdjust[10];
    char szRepeatFromEnd[10];
    double dtRepeatStartDate;
    char szRepeatHow[10];
    double dtRepeatUntil;
    char szRepeatForUnit[10];
    char szRepeatWeekends[10];
    double dtRepeatCustom;
    char szCSFlags[10];
    uint8_t bPrivate;
    uint8_t bResponse;
    void* pCommRec;
};

struct tagCxLNNoteRec {
    int32_t nAction;
    int32_t nOrigin;
    void* pCommRec;
};
