// Single-record editing of notes (library build).
#include "CxLNRecordEdit.h"
#include "common/lotus/exchange/CxLNNote.h"

LN_RECORD_EDIT_OPERATIONS(CxLNNoteUtil, tagCommNoteRec, tagCxLNNoteRec)
