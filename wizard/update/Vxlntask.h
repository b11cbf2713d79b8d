// Update engine of tasks: the catalogue of the fields a user may change and
// where each lies in tagCxLNTaskRec.
#pragma once
#include "common/lotus/exchange/CxLNRecords.h"
#include "wizard/update/Vxlnkind.h"

class CxLNTaskUtil;

extern const tagFUKindFields kVXLNTaskFields;

class CxVXLNTaskUtil : public CxVXLNKindUtil<tagCxLNTaskRec, CxLNTaskUtil, kVXLNTaskFields> {};
