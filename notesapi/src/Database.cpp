// Database open and close, its information, and the administration calls on
// databases.
#include "notesapi/src/Access.h"
#include "notesapi/src/DbInfo.h"
#include "notesapi/src/Handles.h"
#include "notesapi/src/Paths.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Store.h"
#include "notesapi/src/Text.h"

namespace {

const int kAdminBusyTimeoutMs = 10000;

} // namespace

STATUS LNPUBLIC NSFDbOpen(const char* PathName, DBHANDLE* rethDB) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!PathName || !rethDB)
        return ERR_BAD_ARGUMENT;
    *rethDB = NULLHANDLE;
    std::string file;
    STATUS status = zns::ResolveDatabasePath(PathName, file);
    if (status != NOERROR)
        return status;
    auto db = std::make_unique<zns::DatabaseObject>();
    status = zns::Store::Open(file, zns::TheSession().busyTimeoutMs, db->store);
    std::vector<zns::AccessEntry> entries;
    if (status == NOERROR)
        status = db->store->ReadAccess(entries);
    if (status != NOERROR)
        return status;
    db->access = zns::AccessLevel(entries, zns::TheSession().user);
    if (!zns::CanRead(db->access))
        return ERR_NOACCESS;
    *rethDB = zns::AddHandle(std::move(db));
    return NOERROR;
}

STATUS LNPUBLIC NSFDbClose(DBHANDLE hDB) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!zns::FindHandle<zns::DatabaseObject>(hDB))
        return ERR_INVALID_HANDLE;
    zns::RemoveHandle(hDB);
    return NOERROR;
}

STATUS LNPUBLIC NSFDbInfoGet(DBHANDLE hDB, char* retBuffer) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::DatabaseObject* db = zns::FindHandle<zns::DatabaseObject>(hDB);
    if (!db)
        return ERR_INVALID_HANDLE;
    if (!retBuffer)
        return ERR_BAD_ARGUMENT;
    std::string info;
    const STATUS status = db->store->ReadInfo(info);
    if (status == NOERROR)
        zns::CopyText(retBuffer, NSF_INFO_SIZE, info);
    return status;
}

STATUS LNPUBLIC NSFDbInfoSet(DBHANDLE hDB, char* Buffer) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::DatabaseObject* db = nullptr;
    const STATUS status = zns::FindWritableDatabase(hDB, &db);
    if (status != NOERROR)
        return status;
    if (!Buffer)
        return ERR_BAD_ARGUMENT;
    return db->store->WriteInfo(zns::MakeDbInfo(zns::ParseDbInfo(Buffer)));
}

void LNPUBLIC NSFDbInfoParse(char* Info, WORD What, char* Buffer, WORD Length) {
    if (!Buffer)
        return;
    Buffer[0] = '\0';
    zns::DbInfoParts parts = zns::ParseDbInfo(Info ? Info : "");
    const std::string* part = zns::DbInfoPart(parts, What);
    if (part)
        zns::CopyText(Buffer, static_cast<size_t>(Length) + 1, *part);
}

void LNPUBLIC NSFDbInfoModify(char* Info, WORD What, const char* Buffer) {
    if (!Info)
        return;
    zns::DbInfoParts parts = zns::ParseDbInfo(Info);
    std::string* part = zns::DbInfoPart(parts, What);
    if (!part)
        return;
    *part = Buffer ? Buffer : "";
    zns::CopyText(Info, NSF_INFO_SIZE, zns::MakeDbInfo(parts));
}

BOOL LNPUBLIC NSFDbPathIsRemote(const char* PathName) {
    return PathName && zns::IsServerPath(PathName) ? TRUE : FALSE;
}

STATUS LNPUBLIC ZNSCreateDatabase(const char* PathName) {
    ZNS_API_LOCK;
    if (!PathName)
        return ERR_BAD_ARGUMENT;
    return zns::Store::Create(PathName);
}

STATUS LNPUBLIC ZNSSetAccess(const char* PathName, const char* UserName, WORD Level) {
    ZNS_API_LOCK;
    if (!PathName || !UserName || !*UserName || !zns::IsAccessLevel(Level))
        return ERR_BAD_ARGUMENT;
    std::shared_ptr<zns::Store> store;
    STATUS status = zns::Store::Open(PathName, kAdminBusyTimeoutMs, store);
    if (status != NOERROR)
        return status;
    return store->SetAccess(UserName, Level);
}

STATUS LNPUBLIC ZNSConvertDatabase(const char* PathName, BOOL* retConverted) {
    ZNS_API_LOCK;
    if (retConverted)
        *retConverted = FALSE;
    if (!PathName)
        return ERR_BAD_ARGUMENT;
    bool converted = false;
    const STATUS status = zns::Store::Convert(PathName, kAdminBusyTimeoutMs, converted);
    if (retConverted)
        *retConverted = converted ? TRUE : FALSE;
    return status;
}

STATUS LNPUBLIC ZNSBeginBatch(DBHANDLE hDB) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::DatabaseObject* db = nullptr;
    const STATUS status = zns::FindWritableDatabase(hDB, &db);
    if (status != NOERROR)
        return status;
    return db->store->BeginBatch();
}

STATUS LNPUBLIC ZNSEndBatch(DBHANDLE hDB, BOOL Commit) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::DatabaseObject* db = zns::FindHandle<zns::DatabaseObject>(hDB);
    if (!db)
        return ERR_INVALID_HANDLE;
    return db->store->EndBatch(Commit != FALSE);
}
