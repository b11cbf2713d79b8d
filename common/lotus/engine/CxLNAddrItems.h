// Person documents and contact records: which item fills which field, and
// which fields go back into which items.
#pragma once
#include "common/lotus/engine/CxLNDocVisit.h"
#include "common/lotus/engine/CxLNItemWrite.h"
#include "common/lotus/exchange/CxLNRecords.h"

// The reading side of a Person document: the item table, text and time values.
extern const tagLNItemKind kLNAddrItems;

// Writes the record's items into the note; false when either is missing.
bool LNWriteAddrItems(const tagCxLNAddrRec* rec, const tagLNItemWriter& writer);

// "Form" and "Type" of a new Person document, set without comparing.
void LNWritePersonItems(NOTEHANDLE note);
