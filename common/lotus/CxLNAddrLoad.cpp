// Load of the Person documents of the contacts database.
#include "CxLNAddr.h"

#include "common/lotus/CxLNAddrItems.h"
#include "common/lotus/CxLNApi.h"
#include "common/lotus/CxLNLoadVisit.h"
#include "common/misc/CxDebugUtil.h"

namespace {

const char kFormula[] = "Select Form=\"Person\"";
const char kSearching[] = "Search Lotus Notes contact database ...";

using Visit = LNLoadVisit<CxLNAddrUtil, tagCxLNAddrRec, kLNAddrItems>;

} // namespace

bool CxLNAddrUtil::LoadFromDB() {
    if (!*m_szLocalName)
        return false;
    ReportStatus("Initializing Lotus Notes API...");
    if (!CxLNApi::Start()) {
        CX_LOG_ERROR("Failed to initialize Notes API.");
        return false;
    }
    const bool loaded = SearchDB_();
    CxLNApi::Stop();
    return loaded;
}

bool CxLNAddrUtil::SearchDB_() {
    ReportStatus("Open Lotus Notes Contacts database.");
    DBHANDLE db = NULLHANDLE;
    STATUS status = LNApi().NSFDbOpen(m_szLocalName, &db);
    if (status != NOERROR) {
        CX_LOG_ERROR("Can not open Lotus Notes Contacts file: %s, error code=%d", m_szLocalName,
                     status);
        return false;
    }
    FORMULAHANDLE formula = NULLHANDLE;
    if (!LNCompileFormula(kFormula, &formula)) {
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
        CX_LOG_ERROR("Failed to search Lotus Notes Contacts database, error code=%d", status);
        LNApi().NSFDbClose(db);
        return false;
    }
    status = LNApi().NSFDbClose(db);
    if (status != NOERROR) {
        CX_LOG_ERROR("Failed to close Lotus Notes Contacts database, error code=%d", status);
        return false;
    }
    CX_LOG_INFO("Close Lotus Notes Contacts database successfully.");
    return true;
}
