// The undo of a journaled run through the kind's helper host (mode 3).
#include "CxLNBaseUtil.h"

#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "common/misc/CxString.h"

namespace {

const char kRequest[] = "LNUndo.jsonl";

} // namespace

bool CxLNBaseUtil::UndoCycle_(const LNStep& invoke, const char* run, bool dryRun,
                              tagLNUndoResult* result) {
    char dataFile[sizeof m_szFileName];
    CxStrCopy(dataFile, m_szFileName);
    CxStrCopy(m_szFileName, kRequest);
    char path[512];
    TempFilePath_(kRequest, path, sizeof path);
    bool done = LNWriteUndoRequest(path, run ? run : "", dryRun);
    if (!done) {
        CxStrFormat(m_szLastErrorMsg, sizeof m_szLastErrorMsg, "Can not write the undo request %s.",
                    path);
        m_bHasError = true;
    } else {
        m_nMode = 3;
        const bool ran = invoke();
        done = LNReadUndoResult(path, result) && ran && !m_bHasError;
    }
    RemoveTempFile_(kRequest);
    CxStrCopy(m_szFileName, dataFile);
    return done;
}
