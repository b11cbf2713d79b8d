// Appointment documents and calendar records: which item fills which field,
// and which fields go back into which items.
#pragma once
#include "common/lotus/engine/CxLNDocVisit.h"
#include "common/lotus/engine/CxLNItemWrite.h"
#include "common/lotus/exchange/CxLNRecords.h"

// The reading side of an Appointment document.
extern const tagLNItemKind kLNDateItems;

// Writes the record's items into the note; false when either is missing.
bool LNWriteDateItems(const tagCxLNDateRec* rec, const tagLNItemWriter& writer);

// The items of a new Appointment document, set without comparing.
void LNWriteAppointmentItems(NOTEHANDLE note, bool isPrivate);
