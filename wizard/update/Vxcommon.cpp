// The typed update primitives of the engines.
#include "Vxcommon.h"

#include <cstring>

#include "wizard/update/VxTextEdit.h"

CxVXCommonUtil::CxVXCommonUtil() : m_pProfiles(new CxFUProfileManager) {}

CxVXCommonUtil::~CxVXCommonUtil() {
    delete m_pProfiles;
}

bool CxVXCommonUtil::UpdateTextValue(char* field, int size, const tagFUFieldUpdate* def) {
    if (!field || !def)
        return false;
    if (size <= 0)
        return true;
    const std::string current(field, strnlen(field, static_cast<std::size_t>(size)));
    FUStoreText(field, size, FUEditText(current, *def));
    return true;
}

bool CxVXCommonUtil::UpdateDateValue(double* field, const tagFUFieldUpdate* def) {
    if (!field || !def)
        return false;
    if (def->nDateSet == 1)
        *field = def->dtValue;
    return true;
}

bool CxVXCommonUtil::UpdateIntValue(int32_t* field, const tagFUFieldUpdate* def) {
    if (!field || !def)
        return false;
    *field = def->nValue;
    return true;
}

bool CxVXCommonUtil::UpdateBoolValue(uint8_t* field, const tagFUFieldUpdate* def) {
    if (!field || !def)
        return false;
    *field = def->bValue;
    return true;
}
