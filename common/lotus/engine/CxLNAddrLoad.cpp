// Load of the Person documents of the contacts database.
#include "common/lotus/exchange/CxLNAddr.h"

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNAddrItems.h"
#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNLoadVisit.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

const char kFormula[] = "Select Form=\"Person\"";
const char kSearching[] = "Search Lotus Notes contact database ...";
const char kNoDatabase[] = "Invalid Lotus Notes Contacts database name.";

using Visit = LNLoadVisit<CxLNAddrUtil, tagCxLNAddrRec, kLNAddrItems>;

} // namespace

bool CxLNAddrUtil::LoadFromDB() {
    if (!*m_szLocalName) {
        ReportError(kNoDatabase);
        return false;
    }
    ReportStatus("Initializing Lotus Notes API...");
    if (!LNStartApi(this))
        return false;
    const bool loaded = SearchDB_();
    CxLNApi::Stop();
    return loaded;
}

bool CxLNAddrUtil::SearchDB_() {
    ReportStatus("Open Lotus Notes Contacts database.");
    DBHANDLE db = NULLHANDLE;
    STATUS status = LNApi().NSFDbOpen(m_szLocalName, &db);
    if (status != NOERROR) {
        char line[512];
        CxStrFormat(line, sizeof line, "Can not open Lotus Notes Contacts file: %s, error code=%d",
                    m_szLocalName, status);
        LNReportFailure(this, line, status, LNWhereNotesLooked(m_szLocalName, status));
        return false;
    }
    FORMULAHANDLE formula = NULLHANDLE;
    if (!LNCompileFormula(this, kFormula, &formula)) {
        LNApi().NSFDbClose(db);
        return false;
    }
    Visit::s_pRunning = this;
    CX_LOG_INFO("%s", kSearching);
    ReportStatus(kSearching);
    status = LNApi().NSFSearch(db, formula, nullptr, 0, NOTE_CLASS_DOCUMENT, nullptr, Visit::Visit,
                               &db, nullptr);
    Visit::s_pRunning = nullptr;
    LNApi().OSMemFree(formula);
    if (status != NOERROR) {
        LNReportStatusFailure(this, "Failed to search Lotus Notes Contacts database, error code=%d",
                              status);
        LNApi().NSFDbClose(db);
        return false;
    }
    status = LNApi().NSFDbClose(db);
    if (status != NOERROR) {
        LNReportStatusFailure(this, "Failed to close Lotus Notes Contacts database, error code=%d",
                              status);
        return false;
    }
    CX_LOG_INFO("Close Lotus Notes Contacts database successfully.");
    return true;
}
