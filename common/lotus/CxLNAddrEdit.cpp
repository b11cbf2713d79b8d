// Single-record editing of contacts (library build).
#include "CxLNAddr.h"
#include "CxLNRecordEdit.h"

LN_RECORD_EDIT_OPERATIONS(CxLNAddrUtil, tagCommAddrRec, tagCxLNAddrRec)
