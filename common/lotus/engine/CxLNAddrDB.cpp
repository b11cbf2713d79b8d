// Contacts inside a helper host: the run's parameters, the run, the load of
// the Person documents of the contacts database and their write-back, and
// the common contact back to a Notes contact.
#include "common/lotus/exchange/CxLNAddr.h"

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNAddrItems.h"
#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNLoadVisit.h"
#include "common/lotus/engine/CxLNRun.h"
#include "common/lotus/engine/CxLNWriteBack.h"
#include "common/lotus/exchange/CxLNAddrMap.h"
#include "common/lotus/exchange/CxLNParamParser.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

const char kFormula[] = "Select Form=\"Person\"";
const char kSearching[] = "Search Lotus Notes contact database ...";
const char kNoDatabase[] = "Invalid Lotus Notes Contacts database name.";

using Visit = CxLNLoadVisit<CxLNAddrUtil, kLNAddrItems>;

bool WriteItems(const void* rec, const tagLNItemWriter& writer) {
    return LNWriteAddrItems(static_cast<const tagCxLNAddrRec*>(rec), writer);
}

void CreateItems(NOTEHANDLE note, const void*) {
    LNWritePersonItems(note);
}

const tagLNWriteBackKind kWriteBack = {
    "Create new Notes contact item.",
    "Modify existed Notes contact item, item ID = %d",
    "Delete existed Notes contact item, item ID = %d",
    CreateItems,
    WriteItems,
};

// Opens the contacts database; `failed` (path, status) is the error line.
bool OpenDB(CxLNBaseUtil* util, const char* path, const char* failed, DBHANDLE* db) {
    const STATUS status = LNApi().NSFDbOpen(path, db);
    if (status == NOERROR)
        return true;
    char line[512];
    CxStrFormat(line, sizeof line, failed, path, status);
    LNReportFailure(util, line, status, LNWhereNotesLooked(path, status));
    return false;
}

// Closes it after the work; `closed` is the log line of a close that succeeded.
bool CloseDB(CxLNBaseUtil* util, DBHANDLE db, const char* closed) {
    const STATUS status = LNApi().NSFDbClose(db);
    if (status != NOERROR) {
        LNReportStatusFailure(util, "Failed to close Lotus Notes Contacts database, error code=%d",
                              status);
        return false;
    }
    CX_LOG_INFO("%s", closed);
    return true;
}

} // namespace

bool CxLNAddrUtil::ReadParamFile(const char* path) {
    CxLNParamParser parser;
    if (!LoadParams_(path, &parser))
        return false;
    if (!ReadCommonParams_(&parser))
        return false;
    GetTextParam(&parser, LN_PARAM_LOCAL_NAME, m_szLocalName, sizeof m_szLocalName);
    ConfigureLog_(false);
    ReadIDFile_(&parser);
    return true;
}

bool CxLNAddrUtil::Run() {
    return LNRun(this);
}

tagLNRunTarget LNRunTarget(const CxLNAddrUtil& util) {
    return {"contacts", util.GetLocalName()};
}

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
    if (!OpenDB(this, m_szLocalName, "Can not open Lotus Notes Contacts file: %s, error code=%d",
                &db))
        return false;
    FORMULAHANDLE formula = NULLHANDLE;
    if (!LNCompileFormula(this, kFormula, &formula)) {
        LNApi().NSFDbClose(db);
        return false;
    }
    Visit::SetRunning(this);
    CX_LOG_INFO("%s", kSearching);
    ReportStatus(kSearching);
    const STATUS status = LNApi().NSFSearch(db, formula, nullptr, 0, NOTE_CLASS_DOCUMENT, nullptr,
                                            Visit::Visit, &db, nullptr);
    Visit::SetRunning(nullptr);
    LNApi().OSMemFree(formula);
    if (status != NOERROR) {
        LNReportSearchFailure(this, "Failed to search Lotus Notes Contacts database, error code=%d",
                              status);
        LNApi().NSFDbClose(db);
        return false;
    }
    return CloseDB(this, db, "Close Lotus Notes Contacts database successfully.");
}

bool CxLNAddrUtil::SaveToDB() {
    if (!*m_szLocalName) {
        LNReportFailure(this, "Invalid Lotus Notes Contacts database name.");
        return false;
    }
    if (!LNStartApi(this))
        return false;
    const bool saved = WriteDB_();
    CxLNApi::Stop();
    return saved;
}

bool CxLNAddrUtil::WriteDB_() {
    CX_LOG_INFO("Open Lotus Notes Contacts database: %s", m_szLocalName);
    DBHANDLE db = NULLHANDLE;
    if (!OpenDB(this, m_szLocalName,
                "Can no open Lotus Notes Contacts Database file: %s, error code=%d", &db))
        return false;
    LNWriteBackRecords(this, db, kWriteBack);
    return CloseDB(this, db, "Close Notes Contact database successfully.");
}

// Common contact to Notes contact.
bool CxLNAddrUtil::FromCommRec(tagCommAddrRec* common, tagCxLNAddrRec* notes) {
    if (!common || !notes)
        return false;
    LNCopyAddrTexts(notes, common, true);
    notes->dtBirthday = common->dtBirthday;
    notes->dtAnniversary = common->dtAnniversary;
    return true;
}
