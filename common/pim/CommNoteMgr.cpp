// The note manager's default key lists and the note catalogue (both builds).
#include "CommNoteMgr.h"

namespace {

const int32_t kMatchKeys[] = {2};
const int32_t kCompareKeys[] = {3};

#define ROW(key, label, textSize, member, show, same)                                              \
    COMM_FIELD_ROW(tagCommNoteRec, key, label, NONE, textSize, member, show, same)

// The source, the status and the two IDs have no text form.
const tagCommFieldRow kRows[] = {
    ROW(0, "Color", 4, nColor, COLOR, VALUE),
    ROW(1, "Private", 4, nPrivate, YES_NO, VALUE),
    ROW(2, "Subject", 256, szSubject, TEXT, TEXT),
    ROW(3, "Note", 20480, szNote, TEXT, TEXT),
    ROW(4, "Category", 256, szCategory, TEXT, TEXT),
    ROW(5, "Creation Time", 8, dtCreationTime, MOMENT, NUMBER),
    ROW(6, "Last Modification Time", 8, dtLastModificationTime, MOMENT, NUMBER),
    ROW(7, "Source", 4, nSource, NOTHING, VALUE),
    ROW(8, "Status", 4, nStatus, NOTHING, VALUE),
    ROW(9, "ID(Integer)", 4, nIDInteger, NOTHING, VALUE),
    ROW(10, "ID(String)", 32, szIDString, NOTHING, TEXT),
};

#undef ROW

} // namespace

const tagCommFieldTable kCommNoteFields = {kRows, sizeof kRows / sizeof kRows[0], false};

CommNoteMgr::CommNoteMgr() : CxCommRecMgr(kMatchKeys, kCompareKeys) {}

CommNoteMgr::~CommNoteMgr() = default;
