// A stand-in contacts database of seeded documents and the data object that
// reaches it through the real helper host.
#pragma once
#include <string>

#include "NotesInstall.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNRecords.h"

inline void SeedContacts(const NotesInstall& notes, int count, CxLNAddrUtil* util) {
    const std::string db = notes.DataFile("names.nsf");
    notes.Notesdb("create '" + db + "'");
    notes.Notesdb("seed '" + db + "' contacts " + std::to_string(count));
    util->SetTempFilePath(notes.WizardFolder().c_str());
    util->SetLocalName("names.nsf");
}

// The record is to be written back over its document.
inline void MarkModified(tagCxLNAddrRec* rec) {
    rec->nAction = LN_ACTION_WRITE;
    rec->nOrigin = LN_ORIGIN_MODIFIED;
}
