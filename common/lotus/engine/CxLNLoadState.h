// What the helper knew of each document when it loaded it. One run per
// helper process, so the state is the process's.
#pragma once
#include "common/lotus/exchange/CxLNLoadFile.h"
#include "nsfdata.h"

class CxLNBaseUtil;

static_assert(sizeof(NOTEID) == sizeof(uint32_t) && sizeof(DWORD) == sizeof(uint32_t),
              "the load file keeps note IDs and sequences as 32-bit numbers");

tagLNLoadState& LNLoadState();

// The sequence of an open note as stored when it was opened or last updated.
DWORD LNNoteSequence(NOTEHANDLE note);

// False when the state is known and `note` (document `id`) no longer has the
// sequence it was loaded with, or was not loaded at all: the document is
// logged and reported to `owner` and must be left as it is.
bool LNStillAsLoaded(CxLNBaseUtil* owner, NOTEHANDLE note, NOTEID id);

// After an update or a delete that committed: what the next write-back of the
// same load has to find.
void LNNoteUpdated(NOTEHANDLE note, NOTEID id);
void LNNoteDeleted(NOTEID id);
