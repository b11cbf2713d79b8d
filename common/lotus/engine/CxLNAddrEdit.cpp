// Single-record editing of contacts (library build).
#include "CxLNRecordEdit.h"
#include "common/lotus/exchange/CxLNAddr.h"

LN_RECORD_EDIT_OPERATIONS(CxLNAddrUtil, tagCommAddrRec, tagCxLNAddrRec)
