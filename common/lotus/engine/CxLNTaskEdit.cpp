// Single-record editing of tasks (library build).
#include "CxLNRecordEdit.h"
#include "common/lotus/exchange/CxLNTask.h"

LN_RECORD_EDIT_OPERATIONS(CxLNTaskUtil, tagCommTaskRec, tagCxLNTaskRec)
