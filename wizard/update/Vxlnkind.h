// The update engine of one record kind, written once. A kind's unit gives
// one table: its catalogue, each row with the field of the kind's Notes
// record that holds the value; the lookups, the accessors, ApplyUpdate and
// MarkChanged work on it alike for every kind.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/lotus/exchange/CxLNRecords.h"
#include "wizard/update/VxApply.h"
#include "wizard/update/Vxcommon.h"

// How the engine reaches a field of a Notes record.
enum : int32_t {
    FU_FIELD_TEXT = 1, // a text buffer
    FU_FIELD_DATE,     // a date double
    FU_FIELD_BOOL,     // one byte
    FU_FIELD_INT,      // an int32
    FU_FIELD_ENUM,     // an int32 holding a choice
};

// A catalogue row and where its value lies in the record: a text field at
// nOffset for a String row, a date for a Date or Date & Time row, and so on.
struct tagFUKindField {
    tagFUFieldInfo row;
    std::size_t nOffset;
};

// A kind's catalogue, in display order.
struct tagFUKindFields {
    const tagFUKindField* pFields;
    int nCount;
};

template <std::size_t N> constexpr tagFUKindFields FUKindFields(const tagFUKindField (&fields)[N]) {
    return {fields, static_cast<int>(N)};
}

// The catalogue row at `position` in table order; null outside 0..count-1.
const tagFUFieldInfo* FUCatalogueAt(const tagFUKindFields& kind, int position);
// The first row in table order with `key`; null when none has it.
const tagFUFieldInfo* FUCatalogueFind(const tagFUKindFields& kind, int key);
// The row whose display name is `name` (Windows-1252, any case, blanks at
// either end ignored); null when none has it.
const tagFUFieldInfo* FUCatalogueFindName(const tagFUKindFields& kind, const std::string& name);
// The field of `key` when its row's type is reached as `access`; null for a
// null record, a key without a row and a row of another type.
void* FUFieldAt(void* record, const tagFUKindFields& kind, int key, int access);
// The field of `key`, of whatever type its row has; null for a null record
// and a key without a row.
void* FUFieldOf(void* record, const tagFUKindFields& kind, int key);
// One definition applied to one record through the kind's catalogue.
bool FUApplyUpdate(void* record, const tagFUKindFields& kind, const tagFUFieldUpdate* def);

// A row whose value is `member` of the record `Rec`, its maximum length the
// member's size; its description is its name, and it has no enumeration entries.
#define FU_FIELD(Rec, key, type, name, member)                                                     \
    { {key, type, name, name, sizeof(Rec::member), 0, {}, {}}, offsetof(Rec, member) }

// `Rec` is the kind's Notes record, `LNUtil` its data object, `Kind` its catalogue.
template <class Rec, class LNUtil, const tagFUKindFields& Kind>
class CxVXLNKindUtil : public CxVXCommonUtil {
public:
    typedef Rec Record;

    static int GetUpdateFieldCount() { return Kind.nCount; }
    static const tagFUFieldInfo* GetUpdateFieldInfo(int position) {
        return FUCatalogueAt(Kind, position);
    }
    static const tagFUFieldInfo* FindUpdateField(int key) { return FUCatalogueFind(Kind, key); }

    // Kept for the owner; nothing here reads it.
    void SetLNUtil(LNUtil* util) { m_pLNUtil = util; }
    LNUtil* GetLNUtil() const { return m_pLNUtil; }

    // The address of the field of `key`, null when the kind has none of that type.
    static char* GetTextField(Rec* record, int key) {
        return static_cast<char*>(FUFieldAt(record, Kind, key, FU_FIELD_TEXT));
    }
    static double* GetDateField(Rec* record, int key) {
        return static_cast<double*>(FUFieldAt(record, Kind, key, FU_FIELD_DATE));
    }
    static uint8_t* GetBoolField(Rec* record, int key) {
        return static_cast<uint8_t*>(FUFieldAt(record, Kind, key, FU_FIELD_BOOL));
    }
    static int32_t* GetIntField(Rec* record, int key) {
        return static_cast<int32_t*>(FUFieldAt(record, Kind, key, FU_FIELD_INT));
    }
    static int32_t* GetEnumField(Rec* record, int key) {
        return static_cast<int32_t*>(FUFieldAt(record, Kind, key, FU_FIELD_ENUM));
    }

    bool ApplyUpdate(Rec* record, const tagFUFieldUpdate* def) {
        return FUApplyUpdate(record, Kind, def);
    }
    // Every definition of `definitions` in list order, as the update run
    // applies them: also from the values file and from other fields (VxApply.h).
    void ApplyUpdates(Rec* record, CxList& definitions) {
        FUApplyDefinitions(record, Kind, definitions, m_pValues.get(), &m_cuts);
    }
    // Asks the write-back to modify the record's document.
    bool MarkChanged(Rec* record) {
        if (!record)
            return false;
        record->nAction = LN_ACTION_WRITE;
        record->nOrigin = LN_ORIGIN_MODIFIED;
        return true;
    }

private:
    LNUtil* m_pLNUtil = nullptr;
};
