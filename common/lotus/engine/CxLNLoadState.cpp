#include "CxLNLoadState.h"

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNFailure.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

tagLNLoadState& LNLoadState() {
    static tagLNLoadState state;
    return state;
}

DWORD LNNoteSequence(NOTEHANDLE note) {
    OID oid{};
    LNApi().NSFNoteGetInfo(note, _NOTE_OID, &oid);
    return oid.Sequence;
}

bool LNStillAsLoaded(CxLNBaseUtil* owner, NOTEHANDLE note, NOTEID id) {
    tagLNLoadState& state = LNLoadState();
    if (!state.bKnown)
        return true;
    const auto loaded = state.sequences.find(id);
    if (loaded != state.sequences.end() && loaded->second == LNNoteSequence(note))
        return true;
    ++state.nChanged;
    char text[160];
    CxStrFormat(text, sizeof text,
                "Document %u was changed in Lotus Notes after it was loaded; it was left unchanged.",
                static_cast<unsigned>(id));
    if (owner)
        LNReportFailure(owner, text);
    else
        CX_LOG_ERROR("%s", text);
    return false;
}

void LNNoteUpdated(NOTEHANDLE note, NOTEID id) {
    tagLNLoadState& state = LNLoadState();
    if (state.bKnown && id != 0)
        state.sequences[id] = LNNoteSequence(note);
}

void LNNoteDeleted(NOTEID id) {
    LNLoadState().sequences.erase(id);
}
