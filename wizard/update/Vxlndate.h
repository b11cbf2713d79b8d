// Update engine of calendar entries: the catalogue of the fields a user may
// change and where each lies in tagCxLNDateRec.
#pragma once
#include "common/lotus/exchange/CxLNRecords.h"
#include "wizard/update/Vxlnkind.h"

class CxLNDateUtil;

extern const tagFUKindFields kVXLNDateFields;

class CxVXLNDateUtil : public CxVXLNKindUtil<tagCxLNDateRec, CxLNDateUtil, kVXLNDateFields> {};
