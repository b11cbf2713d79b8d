// ID tables: sets of note IDs behind a handle.
#include "notesapi/src/Handles.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Text.h"

namespace {

zns::IdTableObject* Table(DHANDLE hTable) {
    return zns::FindHandle<zns::IdTableObject>(hTable);
}

} // namespace

STATUS LNPUBLIC IDCreateTable(DWORD, DHANDLE* rethTable) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!rethTable)
        return ERR_BAD_ARGUMENT;
    *rethTable = zns::AddHandle(std::make_unique<zns::IdTableObject>());
    return NOERROR;
}

STATUS LNPUBLIC IDDestroyTable(DHANDLE hTable) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!Table(hTable))
        return ERR_INVALID_HANDLE;
    zns::RemoveHandle(hTable);
    return NOERROR;
}

STATUS LNPUBLIC IDInsert(DHANDLE hTable, DWORD id, BOOL* retfInserted) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::IdTableObject* table = Table(hTable);
    if (!table)
        return ERR_INVALID_HANDLE;
    zns::PutIf<BOOL>(retfInserted, table->ids.insert(id).second ? TRUE : FALSE);
    return NOERROR;
}

STATUS LNPUBLIC IDDelete(DHANDLE hTable, DWORD id, BOOL* retfDeleted) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::IdTableObject* table = Table(hTable);
    if (!table)
        return ERR_INVALID_HANDLE;
    zns::PutIf<BOOL>(retfDeleted, table->ids.erase(id) > 0 ? TRUE : FALSE);
    return NOERROR;
}

STATUS LNPUBLIC IDDeleteAll(DHANDLE hTable) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::IdTableObject* table = Table(hTable);
    if (!table)
        return ERR_INVALID_HANDLE;
    table->ids.clear();
    return NOERROR;
}

STATUS LNPUBLIC IDEnumerate(DHANDLE hTable, IDENUMERATEPROC Routine, void* Parameter) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!Table(hTable))
        return ERR_INVALID_HANDLE;
    if (!Routine)
        return ERR_BAD_ARGUMENT;
    // The routine may change or free the table: look each next ID up afresh.
    DWORD last = 0;
    for (bool first = true;; first = false) {
        zns::IdTableObject* table = Table(hTable);
        if (!table)
            return NOERROR;
        auto next = first ? table->ids.begin() : table->ids.upper_bound(last);
        if (next == table->ids.end())
            return NOERROR;
        last = *next;
        const STATUS status = Routine(Parameter, last);
        if (status != NOERROR)
            return status;
    }
}

DWORD LNPUBLIC IDEntries(DHANDLE hTable) {
    ZNS_REQUIRE_INIT(0);
    zns::IdTableObject* table = Table(hTable);
    return table ? static_cast<DWORD>(table->ids.size()) : 0;
}

BOOL LNPUBLIC IDIsPresent(DHANDLE hTable, DWORD id) {
    ZNS_REQUIRE_INIT(FALSE);
    zns::IdTableObject* table = Table(hTable);
    return table && table->ids.count(id) ? TRUE : FALSE;
}

BOOL LNPUBLIC IDScan(DHANDLE hTable, BOOL fFirst, DWORD* retID) {
    ZNS_REQUIRE_INIT(FALSE);
    zns::IdTableObject* table = Table(hTable);
    if (!table || !retID)
        return FALSE;
    auto next = fFirst ? table->ids.begin() : table->ids.upper_bound(*retID);
    if (next == table->ids.end())
        return FALSE;
    *retID = *next;
    return TRUE;
}
