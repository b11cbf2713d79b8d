// Holds the common calendar records of one data object, in the order added.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/pim/CommFieldInfo.h"
#include "common/pim/CommRecMgr.h"
#include "common/pim/CommRecords.h"

class CommDateMgr : public CommRecMgr<tagCommDateRec, 14> {
public:
    CommDateMgr();
#ifdef LNACCESS_ENGINE
    // Record matching and update: the Notes access library's build only.
    // FindRec gives COMM_FIND_PRESENT, _NEW or _CHANGED (with `position`).
    int FindRec(const tagCommDateRec* record, int* position) const;
    bool IsFieldEqual(int key, const tagCommDateRec* a, const tagCommDateRec* b) const;
    // Updates the stored record at `position` from `record`; false past the end.
    bool UpdateRec(int position, const tagCommDateRec* record);
#endif
#ifndef LNACCESS_ENGINE
    // Catalogue lookup and text forms: the wizard's build only.
    static bool GetCommFieldInfo(int key, tagCommFieldInfo* row);
    static bool GetCommFieldText(const tagCommDateRec* record, const tagCommFieldInfo* row,
                                 char* buffer, std::size_t size);
#endif
};
