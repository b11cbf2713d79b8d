// Update engine of calendar entries: the catalogue, the map from field key to a field of
// tagCxLNDateRec, one definition applied to one record, and the change mark.
#pragma once
#include <cstdint>

#include "common/lotus/exchange/CxLNRecords.h"
#include "wizard/update/Vxcommon.h"

class CxLNDateUtil;

class CxVXLNDateUtil : public CxVXCommonUtil {
public:
    typedef tagCxLNDateRec Record;

    CxVXLNDateUtil();

    static int GetUpdateFieldCount();
    static const tagFUFieldInfo* GetUpdateFieldInfo(int position);
    static const tagFUFieldInfo* FindUpdateField(int key);

    // Kept for the owner; nothing here reads it.
    void SetLNUtil(CxLNDateUtil* util) { m_pLNUtil = util; }
    CxLNDateUtil* GetLNUtil() const { return m_pLNUtil; }

    // The address of the field of `key`, null when the kind has none of that type.
    static char* GetTextField(tagCxLNDateRec* record, int key);
    static double* GetDateField(tagCxLNDateRec* record, int key);
    static uint8_t* GetBoolField(tagCxLNDateRec* record, int key);
    static int32_t* GetIntField(tagCxLNDateRec* record, int key);
    static int32_t* GetEnumField(tagCxLNDateRec* record, int key);

    bool ApplyUpdate(tagCxLNDateRec* record, const tagFUFieldUpdate* def);
    // Asks the write-back to modify the record's document.
    bool MarkChanged(tagCxLNDateRec* record);

private:
    CxLNDateUtil* m_pLNUtil;
};
