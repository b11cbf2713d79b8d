// Single-record editing of calendar entries (library build).
#include "CxLNRecordEdit.h"
#include "common/lotus/exchange/CxLNDate.h"

LN_RECORD_EDIT_OPERATIONS(CxLNDateUtil, tagCommDateRec, tagCxLNDateRec)
