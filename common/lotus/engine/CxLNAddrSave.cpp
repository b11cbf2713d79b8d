// Write-back of contact records into Person documents.
#include "common/lotus/exchange/CxLNAddr.h"

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNAddrItems.h"
#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNWriteBack.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

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

} // namespace

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
    STATUS status = LNApi().NSFDbOpen(m_szLocalName, &db);
    if (status != NOERROR) {
        char message[512];
        CxStrFormat(message, sizeof message,
                    "Can no open Lotus Notes Contacts Database file: %s, error code=%d",
                    m_szLocalName, status);
        LNReportFailure(this, message, status, LNWhereNotesLooked(m_szLocalName, status));
        return false;
    }
    LNWriteBackRecords<tagCxLNAddrRec>(this, db, kWriteBack, m_pRecList);
    status = LNApi().NSFDbClose(db);
    if (status != NOERROR) {
        LNReportStatusFailure(this, "Failed to close Lotus Notes Contacts database, error code=%d",
                              status);
        return false;
    }
    CX_LOG_INFO("Close Notes Contact database successfully.");
    return true;
}
