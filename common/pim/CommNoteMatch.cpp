// Notes: matching and update of stored records (library build).
#include "common/pim/CommMatch.h"
#include "common/pim/CommNoteMgr.h"

namespace {

enum {
    KEY_COLOR = 0,
    KEY_PRIVATE = 1,
    KEY_SUBJECT = 2,
    KEY_NOTE = 3,
    KEY_CATEGORY = 4,
    KEY_CREATION_TIME = 5,
    KEY_MODIFICATION_TIME = 6,
    KEY_SOURCE = 7,
    KEY_STATUS = 8,
    KEY_ID_INTEGER = 9,
    KEY_ID_STRING = 10,
};

constexpr std::size_t kSubjectChars = 255;
constexpr std::size_t kNoteChars = 20479;

} // namespace

int CommNoteMgr::FindRec(const tagCommNoteRec* record, int* position) const {
    return CommFindRec(*this, m_pRecords, record, position);
}

bool CommNoteMgr::IsFieldEqual(int key, const tagCommNoteRec* a, const tagCommNoteRec* b) const {
    switch (key) {
    case KEY_COLOR:
        return a->nColor == b->nColor;
    case KEY_PRIVATE:
        return a->nPrivate == b->nPrivate;
    case KEY_SUBJECT:
        return CommTextEqual(a->szSubject, b->szSubject, sizeof a->szSubject, kSubjectChars, 0);
    case KEY_NOTE:
        return CommTextEqual(a->szNote, b->szNote, sizeof a->szNote, kNoteChars, 0);
    case KEY_CATEGORY:
        return CommTextEqual(a->szCategory, b->szCategory, 0);
    case KEY_CREATION_TIME:
        return a->dtCreationTime == b->dtCreationTime;
    case KEY_MODIFICATION_TIME:
        return a->dtLastModificationTime == b->dtLastModificationTime;
    case KEY_SOURCE:
        return a->nSource == b->nSource;
    case KEY_STATUS:
        return a->nStatus == b->nStatus;
    case KEY_ID_INTEGER:
        return a->nIDInteger == b->nIDInteger;
    case KEY_ID_STRING:
        return CommTextEqual(a->szIDString, b->szIDString, 0);
    default:
        return true;
    }
}

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
