// Database open and close, and the administration calls on databases.
#include "notesapi/src/Access.h"
#include "notesapi/src/Handles.h"
#include "notesapi/src/Paths.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Store.h"

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
