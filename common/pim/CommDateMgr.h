// Holds the common calendar records of one data object, in the order added.
#pragma once
#include "common/pim/CommRecords.h"
#include "common/pim/CxCommRecMgr.h"

// The calendar catalogue: every field by key, its text form and how it compares.
extern const tagCommFieldTable kCommDateFields;

class CommDateMgr : public CxCommRecMgr<CommDateMgr, tagCommDateRec, 14, kCommDateFields> {
public:
    CommDateMgr();
#ifdef LNACCESS_ENGINE
    // "Repeat" compares the repeat values; the other fields by the catalogue.
    bool IsFieldEqual(int key, const tagCommDateRec* a, const tagCommDateRec* b) const;
    // Updates the stored record at `position` from `record`; false past the end.
    bool UpdateRec(int position, const tagCommDateRec* record);
#endif
};
