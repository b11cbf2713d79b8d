// The typed update primitives of the engines.
#include "Vxcommon.h"

#include <cstring>

#include "wizard/update/VxTextEdit.h"

CxVXCommonUtil::CxVXCommonUtil() : m_pProfiles(new CxFUProfileManager) {}

CxVXCommonUtil::~CxVXCommonUtil() {
    delete m_pProfiles;
}

// A result equal to the current text leaves the field alone, so an update
// that changes nothing never cuts a long text to `size`.
bool CxVXCommonUtil::UpdateTextValue(char* field, int size, const tagFUFieldUpdate* def) {
    if (!field || !def)
        return false;
    if (size <= 0)
        return true;
    const std::size_t capacity = static_cast<std::size_t>(size);
    const std::string current(field, strnlen(field, capacity));
    const std::string result = FUEditText(current, *def);
    if (result == current)
        return true;
    const std::size_t kept = result.size() < capacity - 1 ? result.size() : capacity - 1;
    std::memcpy(field, result.data(), kept);
    field[kept] = '\0';
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
