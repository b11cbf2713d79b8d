// Update engine of tasks: the catalogue, the map from field key to a field of
// tagCxLNTaskRec, one definition applied to one record, and the change mark.
#pragma once
#include <cstdint>

#include "common/lotus/exchange/CxLNRecords.h"
#include "wizard/update/Vxcommon.h"

class CxLNTaskUtil;

class CxVXLNTaskUtil : public CxVXCommonUtil {
public:
    typedef tagCxLNTaskRec Record;

    CxVXLNTaskUtil();

    static int GetUpdateFieldCount();
    static const tagFUFieldInfo* GetUpdateFieldInfo(int position);
    static const tagFUFieldInfo* FindUpdateField(int key);

    // Kept for the owner; nothing here reads it.
    void SetLNUtil(CxLNTaskUtil* util) { m_pLNUtil = util; }
    CxLNTaskUtil* GetLNUtil() const { return m_pLNUtil; }

    // The address of the field of `key`, null when the kind has none of that type.
    static char* GetTextField(tagCxLNTaskRec* record, int key);
    static double* GetDateField(tagCxLNTaskRec* record, int key);
    static uint8_t* GetBoolField(tagCxLNTaskRec* record, int key);
    static int32_t* GetIntField(tagCxLNTaskRec* record, int key);
    static int32_t* GetEnumField(tagCxLNTaskRec* record, int key);

    bool ApplyUpdate(tagCxLNTaskRec* record, const tagFUFieldUpdate* def);
    // Asks the write-back to modify the record's document.
    bool MarkChanged(tagCxLNTaskRec* record);

private:
    CxLNTaskUtil* m_pLNUtil;
};
