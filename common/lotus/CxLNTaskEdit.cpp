// Single-record editing of tasks (library build).
#include "CxLNRecordEdit.h"
#include "CxLNTask.h"

LN_RECORD_EDIT_OPERATIONS(CxLNTaskUtil, tagCommTaskRec, tagCxLNTaskRec)
