// Load and write-back of a mail-database kind, under the user of the run's ID file.
#include "CxLNMailDB.h"

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNDocVisit.h"
#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNUserSwitch.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

const char kNoDatabase[] = "No Lotus Notes mail database is given.";

bool OpenDB(CxLNBaseUtil* util, const char* path, const tagLNMailKind& kind, DBHANDLE* db) {
    CX_LOG_INFO(kind.szOpenLog, path);
    STATUS status = LNApi().NSFDbOpen(path, db);
    if (status == NOERROR)
        return true;
    char text[1024];
    LNStatusText(status, text, sizeof text);
    char line[2048];
    CxStrFormat(line, sizeof line, kind.szOpenFailed, path, status, text);
    LNReportFailure(util, line, status, LNWhereNotesLooked(path, status));
    return false;
}

bool SearchDB(CxLNBaseUtil* util, const tagLNMailKind& kind, DBHANDLE db) {
    FORMULAHANDLE formula = NULLHANDLE;
    if (!LNCompileFormula(util, kind.szFormula, &formula))
        return false;
    kind.pSetRunning(util);
    CX_LOG_INFO("%s", kind.szSearchLog);
    if (kind.szSearchStatus)
        util->ReportStatus(kind.szSearchStatus);
    STATUS status = LNApi().NSFSearch(db, formula, nullptr, 0, NOTE_CLASS_DOCUMENT, nullptr,
                                      kind.pVisit, &db, nullptr);
    kind.pSetRunning(nullptr);
    LNApi().OSMemFree(formula);
    if (status != NOERROR)
        LNReportSearchFailure(util, kind.szSearchFailed, status);
    return status == NOERROR;
}

} // namespace

bool LNLoadMailDB(CxLNBaseUtil* util, const tagLNMailKind& kind) {
    if (!*util->GetMailDBName()) {
        util->ReportError(kNoDatabase);
        return false;
    }
    if (!LNStartApi(util))
        return false;
    util->ReportStatus(kind.szOpenStatus);
    DBHANDLE db = NULLHANDLE;
    bool loaded = LNRunAsUser(util) && OpenDB(util, util->GetMailDBName(), kind, &db);
    if (loaded) {
        loaded = SearchDB(util, kind, db);
        STATUS status = LNApi().NSFDbClose(db);
        if (loaded && status != NOERROR) {
            LNReportStatusFailure(util, kind.szCloseFailed, status);
            loaded = false;
        }
    }
    if (loaded)
        CX_LOG_INFO("%s", kind.szClosed);
    CxLNApi::Stop();
    return loaded;
}

bool LNSaveMailDB(CxLNBaseUtil* util, const tagLNMailKind& kind,
                  const std::function<void(DBHANDLE)>& writeRecords) {
    const char* path = util->GetMailDBName();
    if (!*path) {
        util->ReportError(kNoDatabase);
        return false;
    }
    if (!LNStartApi(util))
        return false;
    // The write-back runs as the same user as the load.
    if (!LNRunAsUser(util)) {
        CxLNApi::Stop();
        return false;
    }
    CX_LOG_INFO(kind.szSaveOpenLog, path);
    DBHANDLE db = NULLHANDLE;
    STATUS status = LNApi().NSFDbOpen(path, &db);
    if (status != NOERROR) {
        char message[512];
        CxStrFormat(message, sizeof message, kind.szSaveOpenFailed, path, status);
        LNReportFailure(util, message, status, LNWhereNotesLooked(path, status));
        CxLNApi::Stop();
        return false;
    }
    writeRecords(db);
    status = LNApi().NSFDbClose(db);
    const bool saved = status == NOERROR;
    if (saved)
        CX_LOG_INFO("%s", kind.szSaved);
    else
        LNReportStatusFailure(util, kind.szCloseFailed, status);
    CxLNApi::Stop();
    return saved;
}
