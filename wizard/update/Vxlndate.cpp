#include "wizard/update/Vxlndate.h"

#include "wizard/update/VxApply.h"

CxVXLNDateUtil::CxVXLNDateUtil() : m_pLNUtil(nullptr) {}

char* CxVXLNDateUtil::GetTextField(tagCxLNDateRec* record, int key) {
    if (!record)
        return nullptr;
    switch (key) {
    case 0:
        return record->szSubject;
    case 1:
        return record->szLocation;
    case 3:
        return record->szResources;
    case 4:
        return record->szBody;
    default:
        return nullptr;
    }
}

double* CxVXLNDateUtil::GetDateField(tagCxLNDateRec* record, int key) {
    if (!record)
        return nullptr;
    switch (key) {
    case 9:
        return &record->dtStartDateTime;
    case 6:
        return &record->dtEndDateTime;
    default:
        return nullptr;
    }
}

uint8_t* CxVXLNDateUtil::GetBoolField(tagCxLNDateRec*, int) {
    return nullptr;
}

int32_t* CxVXLNDateUtil::GetIntField(tagCxLNDateRec*, int) {
    return nullptr;
}

int32_t* CxVXLNDateUtil::GetEnumField(tagCxLNDateRec*, int) {
    return nullptr;
}

bool CxVXLNDateUtil::ApplyUpdate(tagCxLNDateRec* record, const tagFUFieldUpdate* def) {
    return FUApplyUpdate<CxVXLNDateUtil>(record, def);
}

bool CxVXLNDateUtil::MarkChanged(tagCxLNDateRec* record) {
    return FUMarkChanged(record);
}
