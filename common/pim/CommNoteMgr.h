// Holds the common note records of one data object, in the order added.
#pragma once
#include "common/pim/CommRecords.h"
#include "common/pim/CxCommRecMgr.h"

// The note catalogue: every field by key, its text form and how it compares.
extern const tagCommFieldTable kCommNoteFields;

class CommNoteMgr : public CxCommRecMgr<CommNoteMgr, tagCommNoteRec, 11, kCommNoteFields> {
public:
    CommNoteMgr();
    virtual ~CommNoteMgr();
#ifdef LNACCESS_ENGINE
    // Updates the stored record at `position` from `record`; false past the end.
    bool UpdateRec(int position, const tagCommNoteRec* record);
#endif
};
