// One row of a common field catalogue: a numeric key names a field of a
// common record. Contacts give a type code and the field's width in bytes;
// the calendar, task and note catalogues give the size of the field's text
// form (their type is COMM_FIELD_NONE).
#pragma once
#include <cstdint>

enum : int32_t {
    COMM_FIELD_NONE = 0,
    COMM_FIELD_TEXT = 1,
    COMM_FIELD_INT = 4,  // coded integers: "Gender", "Source Type", "Status"
    COMM_FIELD_FLAG = 5, // integers read as yes or no: "Private"
    COMM_FIELD_DATE = 6,
};

struct tagCommFieldInfo {
    int32_t nKey;
    char szName[32];
    int32_t nType;
    int32_t nSize;
};
