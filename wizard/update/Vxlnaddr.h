// Update engine of contacts: the catalogue, the map from field key to a field of
// tagCxLNAddrRec, one definition applied to one record, and the change mark.
#pragma once
#include <cstdint>

#include "common/lotus/exchange/CxLNRecords.h"
#include "wizard/update/Vxcommon.h"

class CxLNAddrUtil;

class CxVXLNAddrUtil : public CxVXCommonUtil {
public:
    typedef tagCxLNAddrRec Record;

    CxVXLNAddrUtil();

    static int GetUpdateFieldCount();
    static const tagFUFieldInfo* GetUpdateFieldInfo(int position);
    static const tagFUFieldInfo* FindUpdateField(int key);

    // Kept for the owner; nothing here reads it.
    void SetLNUtil(CxLNAddrUtil* util) { m_pLNUtil = util; }
    CxLNAddrUtil* GetLNUtil() const { return m_pLNUtil; }

    // The address of the field of `key`, null when the kind has none of that type.
    static char* GetTextField(tagCxLNAddrRec* record, int key);
    static double* GetDateField(tagCxLNAddrRec* record, int key);
    static uint8_t* GetBoolField(tagCxLNAddrRec* record, int key);
    static int32_t* GetIntField(tagCxLNAddrRec* record, int key);
    static int32_t* GetEnumField(tagCxLNAddrRec* record, int key);

    bool ApplyUpdate(tagCxLNAddrRec* record, const tagFUFieldUpdate* def);
    // Asks the write-back to modify the record's document.
    bool MarkChanged(tagCxLNAddrRec* record);

private:
    CxLNAddrUtil* m_pLNUtil;
};
