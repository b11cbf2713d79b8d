// Task documents and task records: which item fills which field, and which
// fields go back into which items.
#pragma once
#include "common/lotus/engine/CxLNDocVisit.h"
#include "common/lotus/engine/CxLNItemWrite.h"
#include "common/lotus/exchange/CxLNRecords.h"

// The reading side of a Task document.
extern const tagLNItemKind kLNTaskItems;

// Writes the record's items into the note; false when either is missing.
bool LNWriteTaskItems(const tagCxLNTaskRec* rec, const tagLNItemWriter& writer);

// The items of a new Task document, set without comparing.
void LNWriteNewTaskItems(NOTEHANDLE note, bool isPrivate);
