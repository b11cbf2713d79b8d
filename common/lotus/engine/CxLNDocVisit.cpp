#include "CxLNDocVisit.h"

#include <cstring>
#include <strings.h>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNLoadState.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

const std::size_t kNameSize = 52;

bool NameMatches(const tagLNItemEntry& entry, const char* name) {
    return entry.szName && *entry.szName && strcasecmp(entry.szName, name) == 0;
}

void ReportDocument(CxLNBaseUtil* owner, const char* call, NOTEID id, STATUS status) {
    char message[256];
    CxStrFormat(message, sizeof message, "Failed to call %s, note ID=%u, error code=%d", call,
                static_cast<unsigned>(id), status);
    if (owner)
        LNReportFailure(owner, message, status);
    else
        CX_LOG_ERROR("%s", message);
}

} // namespace

int LNLookupItem(const tagLNItemKind& kind, const char* name, int* hint) {
    if (!name || !*name)
        return -1;
    if (kind.bSkipDollar && name[0] == '$')
        return -1;
    const int start = *hint >= 0 && *hint < kind.nCount ? *hint : 0;
    for (int step = 0; step < kind.nCount; ++step) {
        const int index = (start + step) % kind.nCount;
        if (NameMatches(kind.pTable[index], name)) {
            *hint = index + 1;
            return kind.pTable[index].nFieldID;
        }
    }
    return -1;
}

STATUS LNCALLBACK LNItemVisit(WORD, WORD, char* name, WORD nameLength, void* value,
                              DWORD valueLength, void* context) {
    tagLNItemVisit* visit = static_cast<tagLNItemVisit*>(context);
    if (!visit || !name || nameLength >= kNameSize || !value || valueLength < sizeof(WORD))
        return NOERROR;
    char itemName[kNameSize];
    CxStrCopyN(itemName, sizeof itemName, name, nameLength);
    WORD type = 0;
    std::memcpy(&type, value, sizeof type);
    const tagLNItemKind& kind = *visit->pKind;
    if (!kind.pTakes(type))
        return NOERROR;
    const int field = LNLookupItem(kind, itemName, &visit->nHint);
    if (field < 0)
        return NOERROR;
    const char* bytes = static_cast<const char*>(value) + sizeof type;
    std::size_t length = valueLength - sizeof type;
    if (type == TYPE_TEXT) {
        const void* zero = std::memchr(bytes, '\0', length);
        if (zero)
            length = static_cast<std::size_t>(static_cast<const char*>(zero) - bytes);
    }
    kind.pRead(visit->pRec, field, type, bytes, length);
    return NOERROR;
}

bool LNReadDocument(CxLNBaseUtil* owner, DBHANDLE db, NOTEID id, const tagLNItemKind& kind,
                    void* rec, std::size_t recSize, char* szID, std::size_t idSize) {
    NOTEHANDLE note = NULLHANDLE;
    STATUS status = LNApi().NSFNoteOpen(db, id, 0, &note);
    if (status != NOERROR) {
        ReportDocument(owner, "NSFNoteOpen", id, status);
        return false;
    }
    LNLoadState().sequences[id] = LNNoteSequence(note);
    std::memset(rec, 0, recSize);
    CxStrFormat(szID, idSize, "%d", static_cast<int>(id));
    tagLNItemVisit visit = {note, rec, 0, &kind};
    status = LNApi().NSFItemScan(note, LNItemVisit, &visit);
    if (status != NOERROR) {
        ReportDocument(owner, "NSFItemScan", id, status);
        LNApi().NSFNoteClose(note);
        return false;
    }
    status = LNApi().NSFNoteClose(note);
    if (status != NOERROR)
        CX_LOG_ERROR("Failed to call NSFNoteClose, error code=%d", status);
    return true;
}

bool LNMatchedNote(const SEARCH_MATCH* match, NOTEID* id) {
    if (!match)
        return false;
    SEARCH_MATCH copy;
    std::memcpy(&copy, match, sizeof copy);
    if (!(copy.SERetFlags & SE_FMATCH))
        return false;
    *id = copy.ID.NoteID;
    return true;
}

void LNReportSearchFailure(CxLNBaseUtil* owner, const char* format, STATUS status) {
    if (LNStopReason().empty())
        LNReportStatusFailure(owner, format, status);
}

bool LNCompileFormula(CxLNBaseUtil* owner, const char* text, FORMULAHANDLE* formula) {
    WORD length = 0, line = 0, column = 0, offset = 0, errorLength = 0;
    STATUS compileError = NOERROR;
    STATUS status =
        LNApi().NSFFormulaCompile(nullptr, 0, text, static_cast<WORD>(std::strlen(text)), formula,
                                  &length, &compileError, &line, &column, &offset, &errorLength);
    if (status != NOERROR)
        LNReportStatusFailure(owner, "Can not compile search filter: error code=%d", status);
    return status == NOERROR;
}
