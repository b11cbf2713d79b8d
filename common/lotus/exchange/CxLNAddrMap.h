// Which text of a Notes contact matches which text of a common contact, and
// how many characters each direction carries.
#pragma once

struct tagCxLNAddrRec;
struct tagCommAddrRec;

// Copies every matched text one way: into the common record, or with
// `toNotes` into the Notes record.
void LNCopyAddrTexts(tagCxLNAddrRec* notes, tagCommAddrRec* common, bool toNotes);
