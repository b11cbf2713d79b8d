// Notes: update of stored records (library build); they match by the catalogue.
#include "common/pim/CommMatch.h"
#include "common/pim/CommNoteMgr.h"

// Like the other kinds, the stored record takes the given one's content:
// colour and privacy always, subject and note unless empty.
bool CommNoteMgr::UpdateRec(int position, const tagCommNoteRec* record) {
    tagCommNoteRec* stored = CommRecAt<tagCommNoteRec>(m_pRecords, position);
    if (!stored || !record)
        return false;
    stored->nColor = record->nColor;
    stored->nPrivate = record->nPrivate;
    CommTakeText(stored->szSubject, record->szSubject, false);
    CommTakeText(stored->szNote, record->szNote, false);
    return true;
}
