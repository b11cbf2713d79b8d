// Holds the common contact records of one data object, in the order added.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/pim/CommFieldInfo.h"
#include "common/pim/CommRecMgr.h"
#include "common/pim/CommRecords.h"

class CommAddrMgr : public CommRecMgr<tagCommAddrRec, 90> {
public:
    CommAddrMgr();
    // Whether empty texts of another record overwrite filled ones on update.
    bool GetCopyEmpty() const { return m_bCopyEmpty; }
    void SetCopyEmpty(bool on) { m_bCopyEmpty = on; }
    // Whether texts compare with regard to letter case when records are matched.
    bool GetMatchCase() const { return m_bMatchCase; }
    void SetMatchCase(bool on) { m_bMatchCase = on; }
#ifdef LNACCESS_ENGINE
    // Record matching and update: the Notes access library's build only.
    // FindRec gives COMM_FIND_PRESENT, _NEW or _CHANGED (with `position`).
    int FindRec(const tagCommAddrRec* record, int* position) const;
    bool IsFieldEqual(int key, const tagCommAddrRec* a, const tagCommAddrRec* b) const;
    // Updates the stored record at `position` from `record`; false past the end.
    bool UpdateRec(int position, const tagCommAddrRec* record);
#endif
#ifndef LNACCESS_ENGINE
    // Catalogue lookup and text forms: the wizard's build only.
    static bool GetCommFieldInfo(int key, tagCommFieldInfo* row);
    static bool GetCommFieldText(const tagCommAddrRec* record, const tagCommFieldInfo* row,
                                 char* buffer, std::size_t size);
#endif

private:
    bool m_bCopyEmpty;
    bool m_bMatchCase = false; // the same in both builds, so the layout is too
};
