// The file side of a Notes record: which fields of a record go to the
// exchange data file, in file order, and how each is encoded.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class CxFile;

enum LNFieldKind { LN_FIELD_INT, LN_FIELD_DATE, LN_FIELD_TEXT, LN_FIELD_FLAG };

struct tagLNFileField {
    LNFieldKind nKind;
    std::size_t nOffset; // in the record
    std::size_t nSize;   // bytes of the field (the text buffer's capacity)
};

#define LN_INT(Rec, f)                                                                             \
    { LN_FIELD_INT, offsetof(Rec, f), sizeof(Rec::f) }
#define LN_DATE(Rec, f)                                                                            \
    { LN_FIELD_DATE, offsetof(Rec, f), sizeof(Rec::f) }
#define LN_TEXT(Rec, f)                                                                            \
    { LN_FIELD_TEXT, offsetof(Rec, f), sizeof(Rec::f) }
#define LN_FLAG(Rec, f)                                                                            \
    { LN_FIELD_FLAG, offsetof(Rec, f), sizeof(Rec::f) }

// A text of length L > 0 fills the field (cut to its capacity, the rest of
// the L bytes dropped); L <= 0 leaves it. A flag takes the first byte of its
// 4-byte slot. Fields the file does not hold stay as they were.
void LNReadFields(CxFile* file, void* rec, const tagLNFileField* fields, std::size_t count);
// The fewest bytes a record of these fields takes in a file (every text empty).
std::size_t LNFileBytes(const tagLNFileField* fields, std::size_t count);
// Texts are written up to their terminator, never past their field.
void LNWriteFields(CxFile* file, const void* rec, const tagLNFileField* fields, std::size_t count);

// The same two ways over bytes in memory. Decoding reads one record from the
// `size` bytes at `bytes` and gives how many it took; `complete` is false
// when they ended before the record did (what is missing reads as nothing).
std::size_t LNDecodeFields(const void* bytes, std::size_t size, void* rec,
                           const tagLNFileField* fields, std::size_t count, bool* complete);
// Appends the record's bytes, as LNWriteFields writes them, to `out`.
void LNEncodeFields(const void* rec, const tagLNFileField* fields, std::size_t count,
                    std::string* out);
