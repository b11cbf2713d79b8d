#include "wizard/update/Vxlntask.h"

#include "wizard/update/VxApply.h"

CxVXLNTaskUtil::CxVXLNTaskUtil() : m_pLNUtil(nullptr) {}

char* CxVXLNTaskUtil::GetTextField(tagCxLNTaskRec* record, int key) {
    if (!record)
        return nullptr;
    switch (key) {
    case 0:
        return record->szSubject;
    case 1:
        return record->szBody;
    case 6:
        return record->szTaskType;
    default:
        return nullptr;
    }
}

double* CxVXLNTaskUtil::GetDateField(tagCxLNTaskRec* record, int key) {
    if (!record)
        return nullptr;
    switch (key) {
    case 7:
        return &record->dtDueDate;
    case 8:
        return &record->dtStartDate;
    case 9:
        return &record->dtEndDate;
    default:
        return nullptr;
    }
}

uint8_t* CxVXLNTaskUtil::GetBoolField(tagCxLNTaskRec* record, int key) {
    return record && key == 5 ? &record->bPrivate : nullptr;
}

int32_t* CxVXLNTaskUtil::GetIntField(tagCxLNTaskRec*, int) {
    return nullptr;
}

int32_t* CxVXLNTaskUtil::GetEnumField(tagCxLNTaskRec* record, int key) {
    return record && key == 4 ? &record->nImportance : nullptr;
}

bool CxVXLNTaskUtil::ApplyUpdate(tagCxLNTaskRec* record, const tagFUFieldUpdate* def) {
    return FUApplyUpdate<CxVXLNTaskUtil>(record, def);
}

bool CxVXLNTaskUtil::MarkChanged(tagCxLNTaskRec* record) {
    return FUMarkChanged(record);
}
