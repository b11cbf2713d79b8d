// Common note to Notes note: the notes kind carries no content.
#include "common/lotus/exchange/CxLNNote.h"

bool CxLNNoteUtil::FromCommRec(tagCommNoteRec* common, tagCxLNNoteRec* notes) {
    return common && notes;
}
