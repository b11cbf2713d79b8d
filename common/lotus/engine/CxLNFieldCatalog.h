// Field catalogues of the Notes records (the Notes access library's build):
// one entry per field at positions 1 to count-1, the field id being the
// position minus 1; access to a field as text, and setting a common field
// from text. Each kind's catalogue operations answer from its tagLNCatalog.
#pragma once
#include <cstddef>
#include <cstdint>

enum : int32_t { LN_FIELD_INT = 1, LN_FIELD_TEXT = 2, LN_FIELD_FLAG = 3, LN_FIELD_DATE = 4 };

struct tagLNRecField {
    int32_t id;
    char name[256];
    int32_t type;
    int32_t size; // bytes of the field in the record
    int32_t reserved[7];
};

// A catalogue entry with the place of its field in the record.
struct tagLNFieldRow {
    tagLNRecField field;
    std::size_t nOffset;
};

// One common text field that a Notes field id sets, and how many characters.
struct tagLNCommTextRow {
    unsigned long nId;
    std::size_t nOffset;
    std::size_t nSize;
    std::size_t nChars;
};

#define LN_COMM_TEXT_ROW(Comm, id, member, chars)                                                  \
    { id, offsetof(Comm, member), sizeof(Comm::member), chars }

struct tagLNCatalog {
    const tagLNFieldRow* pRows; // the entries of positions 1 to nCount-1
    unsigned long nCount;
    bool bTextAccess;                   // whether GetFieldText gives the record's texts
    const tagLNCommTextRow* pCommTexts; // the common fields SetFieldValueByText sets
    std::size_t nCommTextCount;
};

#define LN_FIELD_ROW(Rec, id, label, type, member)                                                 \
    {                                                                                              \
        {id, label, LN_FIELD_##type, static_cast<int32_t>(sizeof(Rec::member)), {}},               \
            offsetof(Rec, member)                                                                  \
    }

// Null for position 0 and any position not below the count.
const tagLNRecField* LNCatalogEntry(const tagLNCatalog& catalog, unsigned long position);
bool LNCatalogCopy(const tagLNCatalog& catalog, unsigned long position, tagLNRecField* out);
const char* LNCatalogName(const tagLNCatalog& catalog, unsigned long position);

// The text field of `id` in `record`, terminated within the field, or the
// empty text.
char* LNCatalogText(const tagLNCatalog& catalog, void* record, unsigned long id);
// A buffer of the library, emptied on every call.
char* LNEmptyFieldText();

// SetFieldValueByText of every kind: false for a null text or record, an id
// not below the count or without a common text row.
bool LNCatalogSetText(const tagLNCatalog& catalog, unsigned long id, const char* text,
                      void* common);
