// A kind's common field catalogue as one table: each row names a field of the
// common record by key and says where it lies, how it reads as text in the
// wizard and how two records' fields compare in the library's matching.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/pim/CommFieldInfo.h"

// How a field reads as text.
enum : int32_t {
    COMM_SHOW_NOTHING,     // an empty text
    COMM_SHOW_REFUSED,     // no text form: an empty text and false
    COMM_SHOW_TEXT,        // the field's text
    COMM_SHOW_YES_NO,      // "Yes" for an integer that is not 0, else "No"
    COMM_SHOW_TIME,        // time of day of a system time
    COMM_SHOW_DATE_TIME,   // date and time of a system time
    COMM_SHOW_DATE,        // date of a system time
    COMM_SHOW_VARIANT,     // date and time of a variant time
    COMM_SHOW_MOMENT,      // a variant time as FormatVariantTime writes it
    COMM_SHOW_PRIORITY,    // "High" for 1, "Low" for 2, else "Normal"
    COMM_SHOW_DUE_DATE,    // date of a seconds count; "N/A" for none or before 2000
    COMM_SHOW_COLOR,       // "#rrggbb"
    COMM_SHOW_SOURCE_TYPE, // the source's name; false for a value without one
    COMM_SHOW_REPEAT,      // "Repeat Info"
};

// How the field of two records compares.
enum : int32_t {
    COMM_SAME_TEXT,      // without regard to case
    COMM_SAME_TEXT_LINE, // the same, skipping carriage returns and line feeds
    COMM_SAME_VALUE,     // an integer, byte for byte
    COMM_SAME_NUMBER,    // a variant time, by value
    COMM_SAME_DAY,       // year, month and day of a system time
    COMM_SAME_MOMENT,    // a system time but for the weekday
    COMM_SAME_OWN,       // the kind's manager compares it itself
};

struct tagCommFieldRow {
    tagCommFieldInfo info; // what GetCommFieldInfo gives
    std::size_t nOffset;   // the field in the common record
    std::size_t nSize;     // its bytes
    int32_t nShow;
    int32_t nSame;
};

struct tagCommFieldTable {
    const tagCommFieldRow* pRows;
    int nCount;
    // The rows give their field's width (the contacts): a key without a row,
    // or a buffer not larger than the field, has no text.
    bool bWidths;
};

#define COMM_FIELD_ROW(Rec, key, label, type, textSize, member, show, same)                        \
    {                                                                                              \
        {key, label, COMM_FIELD_##type, textSize}, offsetof(Rec, member), sizeof(Rec::member),     \
            COMM_SHOW_##show, COMM_SAME_##same                                                     \
    }

// The row with `key`; null when none has it.
const tagCommFieldRow* CommFindFieldRow(const tagCommFieldTable& table, int key);
