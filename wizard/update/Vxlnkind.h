// The update engine of one record kind, written once. A kind's unit gives
// two tables, its catalogue and the map from each field key to the field of
// its Notes record that holds the value; the lookups, the accessors,
// ApplyUpdate and MarkChanged work on them alike for every kind.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/lotus/exchange/CxLNRecords.h"
#include "wizard/update/Vxcommon.h"

// How the engine reaches a field of a Notes record.
enum : int32_t {
    FU_FIELD_TEXT = 1, // a text buffer
    FU_FIELD_DATE,     // a date double
    FU_FIELD_BOOL,     // one byte
    FU_FIELD_INT,      // an int32
    FU_FIELD_ENUM,     // an int32 holding a choice
};

// The field of `nKey` lies at `nOffset` of the record.
struct tagFUFieldSlot {
    int32_t nKey;
    int32_t nAccess; // FU_FIELD_*
    std::size_t nOffset;
};

struct tagFUKindTables {
    const tagFUFieldInfo* pFields; // the catalogue, in display order
    int nFieldCount;
    const tagFUFieldSlot* pSlots; // the field map
    int nSlotCount;
};

template <std::size_t F, std::size_t S>
constexpr tagFUKindTables FUKindTables(const tagFUFieldInfo (&fields)[F],
                                       const tagFUFieldSlot (&slots)[S]) {
    return {fields, static_cast<int>(F), slots, static_cast<int>(S)};
}

// The catalogue row at `position` in table order; null outside 0..count-1.
const tagFUFieldInfo* FUCatalogueAt(const tagFUKindTables& kind, int position);
// The first row in table order with `key`; null when none has it.
const tagFUFieldInfo* FUCatalogueFind(const tagFUKindTables& kind, int key);
// The field of `key` when the map reaches it as `access`; null for a null
// record and for a key the map gives otherwise or not at all.
void* FUFieldAt(void* record, const tagFUKindTables& kind, int key, int access);
// One definition applied to one record through the kind's tables.
bool FUApplyUpdate(void* record, const tagFUKindTables& kind, const tagFUFieldUpdate* def);

// A catalogue row whose description is its name and that has no enumeration entries.
#define FU_ROW(key, type, name, maxLen)                                                            \
    {                                                                                              \
        key, type, name, name, maxLen, 0, {}, {}                                                   \
    }

// `Rec` is the kind's Notes record, `LNUtil` its data object, `Kind` its tables.
template <class Rec, class LNUtil, const tagFUKindTables& Kind>
class CxVXLNKindUtil : public CxVXCommonUtil {
public:
    typedef Rec Record;

    static int GetUpdateFieldCount() { return Kind.nFieldCount; }
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
