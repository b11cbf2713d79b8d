// Update engine of contacts: the catalogue of the fields a user may change and
// where each lies in tagCxLNAddrRec.
#pragma once
#include "common/lotus/exchange/CxLNRecords.h"
#include "wizard/update/Vxlnkind.h"

class CxLNAddrUtil;

extern const tagFUKindFields kVXLNAddrFields;

class CxVXLNAddrUtil : public CxVXLNKindUtil<tagCxLNAddrRec, CxLNAddrUtil, kVXLNAddrFields> {};
