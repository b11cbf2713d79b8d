// Holds the common note records of one data object, in the order added.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/pim/CommFieldInfo.h"
#include "common/pim/CommRecMgr.h"
#include "common/pim/CommRecords.h"

class CommNoteMgr : public CommRecMgr<tagCommNoteRec, 11> {
public:
    CommNoteMgr();
    virtual ~CommNoteMgr();
#ifdef LNACCESS_ENGINE
    // Record matching and update: the Notes access library's build only.
    // FindRec gives COMM_FIND_PRESENT, _NEW or _CHANGED (with `position`).
    int FindRec(const tagCommNoteRec* record, int* position) const;
    bool IsFieldEqual(int key, const tagCommNoteRec* a, const tagCommNoteRec* b) const;
    // Updates the stored record at `position` from `record`; false past the end.
    bool UpdateRec(int position, const tagCommNoteRec* record);
#endif
#ifndef LNACCESS_ENGINE
    // Catalogue lookup and text forms: the wizard's build only.
    static bool GetCommFieldInfo(int key, tagCommFieldInfo* row);
    static bool GetCommFieldText(const tagCommNoteRec* record, const tagCommFieldInfo* row,
                                 char* buffer, std::size_t size);
#endif
};
