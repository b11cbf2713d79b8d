// Single-record editing of notes (library build).
#include "CxLNNote.h"
#include "CxLNRecordEdit.h"

LN_RECORD_EDIT_OPERATIONS(CxLNNoteUtil, tagCommNoteRec, tagCxLNNoteRec)
