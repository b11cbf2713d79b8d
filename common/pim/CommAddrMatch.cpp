// Contacts: matching and update of stored records (library build).
#include <cstring>

#include "common/pim/CommAddrCatalog.h"
#include "common/pim/CommAddrMgr.h"
#include "common/pim/CommMatch.h"

namespace {

template <class T> T FieldValue(const tagCommAddrRec* rec, std::size_t offset) {
    T value;
    std::memcpy(&value, reinterpret_cast<const char*>(rec) + offset, sizeof value);
    return value;
}

const char* FieldText(const tagCommAddrRec* rec, std::size_t offset) {
    return reinterpret_cast<const char*>(rec) + offset;
}

} // namespace

int CommAddrMgr::FindRec(const tagCommAddrRec* record, int* position) const {
    return CommFindRec(*this, m_pRecords, record, position);
}

// Texts skip line breaks and ignore case unless the case switch is on;
// numbers and dates compare exactly.
bool CommAddrMgr::IsFieldEqual(int key, const tagCommAddrRec* a, const tagCommAddrRec* b) const {
    const tagCommAddrField* field = FindCommAddrField(key);
    if (!field)
        return true;
    const std::size_t offset = field->nOffset;
    const std::size_t size = static_cast<std::size_t>(field->info.nSize);
    switch (field->info.nType) {
    case COMM_FIELD_TEXT:
        return CommTextEqual(FieldText(a, offset), FieldText(b, offset), size, size - 1,
                             COMM_TEXT_SKIP_CRLF | (m_bMatchCase ? COMM_TEXT_CASE : 0u));
    case COMM_FIELD_DATE:
        return FieldValue<double>(a, offset) == FieldValue<double>(b, offset);
    default:
        return FieldValue<int32_t>(a, offset) == FieldValue<int32_t>(b, offset);
    }
}

// Every text unless it is empty (or empty texts are copied too); the gender
// and both dates always.
bool CommAddrMgr::UpdateRec(int position, const tagCommAddrRec* record) {
    tagCommAddrRec* stored = CommRecAt<tagCommAddrRec>(m_pRecords, position);
    if (!stored || !record)
        return false;
    char* to = reinterpret_cast<char*>(stored);
    for (int i = 0; i < g_nCommAddrFieldCount; ++i) {
        const tagCommAddrField& field = g_aCommAddrFields[i];
        if (field.info.nType != COMM_FIELD_TEXT)
            continue;
        CommTakeText(to + field.nOffset, FieldText(record, field.nOffset),
                     static_cast<std::size_t>(field.info.nSize), m_bCopyEmpty);
    }
    stored->nGender = record->nGender;
    stored->dtBirthday = record->dtBirthday;
    stored->dtAnniversary = record->dtAnniversary;
    return true;
}
