// Holds the common task records of one data object, in the order added.
#pragma once
#include "common/pim/CommRecords.h"
#include "common/pim/CxCommRecMgr.h"

// The task catalogue: every field by key, its text form and how it compares.
extern const tagCommFieldTable kCommTaskFields;

class CommTaskMgr : public CxCommRecMgr<CommTaskMgr, tagCommTaskRec, 8, kCommTaskFields> {
public:
    CommTaskMgr();
    virtual ~CommTaskMgr();
#ifdef LNACCESS_ENGINE
    // Updates the stored record at `position` from `record`; false past the end.
    bool UpdateRec(int position, const tagCommTaskRec* record);
#endif
};
