// Single-record editing of calendar entries (library build).
#include "CxLNDate.h"
#include "CxLNRecordEdit.h"

LN_RECORD_EDIT_OPERATIONS(CxLNDateUtil, tagCommDateRec, tagCxLNDateRec)
