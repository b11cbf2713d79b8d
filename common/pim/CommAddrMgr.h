// Holds the common contact records of one data object, in the order added.
#pragma once
#include "common/pim/CommAddrCatalog.h"
#include "common/pim/CommRecords.h"
#include "common/pim/CxCommRecMgr.h"

class CommAddrMgr : public CxCommRecMgr<CommAddrMgr, tagCommAddrRec, 90, kCommAddrFields> {
public:
    CommAddrMgr();
    // Whether empty texts of another record overwrite filled ones on update.
    bool GetCopyEmpty() const { return m_bCopyEmpty; }
    void SetCopyEmpty(bool on) { m_bCopyEmpty = on; }
    // Whether texts compare with regard to letter case when records are matched.
    bool GetMatchCase() const { return m_bMatchCase; }
    void SetMatchCase(bool on) { m_bMatchCase = on; }
#ifdef LNACCESS_ENGINE
    // Texts compare with regard to case when the case switch is on.
    bool IsFieldEqual(int key, const tagCommAddrRec* a, const tagCommAddrRec* b) const;
    // Updates the stored record at `position` from `record`; false past the end.
    bool UpdateRec(int position, const tagCommAddrRec* record);
#endif

private:
    bool m_bCopyEmpty;
    bool m_bMatchCase = false; // the same in both builds, so the layout is too
};
