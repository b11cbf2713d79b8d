// Contacts: the case switch of the matching and the update of stored records
// (library build).
#include "common/pim/CommAddrMgr.h"
#include "common/pim/CommMatch.h"

// Texts skip line breaks and ignore case unless the case switch is on;
// numbers and dates compare exactly.
bool CommAddrMgr::IsFieldEqual(int key, const tagCommAddrRec* a, const tagCommAddrRec* b) const {
    return CommFieldEqual(kCommAddrFields, key, a, b, m_bMatchCase ? COMM_TEXT_CASE : 0u);
}

// Every text unless it is empty (or empty texts are copied too); the gender
// and both dates always.
bool CommAddrMgr::UpdateRec(int position, const tagCommAddrRec* record) {
    tagCommAddrRec* stored = CommRecAt<tagCommAddrRec>(m_pRecords, position);
    if (!stored || !record)
        return false;
    char* to = reinterpret_cast<char*>(stored);
    const char* from = reinterpret_cast<const char*>(record);
    for (int i = 0; i < g_nCommAddrFieldCount; ++i) {
        const tagCommFieldRow& field = g_aCommAddrFields[i];
        if (field.info.nType == COMM_FIELD_TEXT)
            CommTakeText(to + field.nOffset, from + field.nOffset, field.nSize, m_bCopyEmpty);
    }
    stored->nGender = record->nGender;
    stored->dtBirthday = record->dtBirthday;
    stored->dtAnniversary = record->dtAnniversary;
    return true;
}
