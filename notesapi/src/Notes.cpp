// Note open, create, update, close and delete. An open note is an
// in-memory copy until NSFNoteUpdate stores it whole.
#include <cstring>

#include "notesapi/src/Access.h"
#include "notesapi/src/Handles.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Store.h"

namespace {

STATUS NewNoteHandle(const zns::DatabaseObject& db, zns::NoteData data, NOTEHANDLE* rethNote) {
    auto note = std::make_unique<zns::NoteObject>();
    note->store = db.store;
    note->access = db.access;
    note->data = std::move(data);
    *rethNote = zns::AddHandle(std::move(note));
    return NOERROR;
}

} // namespace

STATUS LNPUBLIC NSFNoteOpen(DBHANDLE hDB, NOTEID NoteID, WORD, NOTEHANDLE* rethNote) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!rethNote)
        return ERR_BAD_ARGUMENT;
    *rethNote = NULLHANDLE;
    zns::DatabaseObject* db = zns::FindHandle<zns::DatabaseObject>(hDB);
    if (!db)
        return ERR_INVALID_HANDLE;
    zns::NoteData data;
    STATUS status = db->store->ReadNote(NoteID, data);
    if (status != NOERROR)
        return status;
    return NewNoteHandle(*db, std::move(data), rethNote);
}

STATUS LNPUBLIC NSFNoteCreate(DBHANDLE hDB, NOTEHANDLE* rethNote) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!rethNote)
        return ERR_BAD_ARGUMENT;
    *rethNote = NULLHANDLE;
    zns::DatabaseObject* db = nullptr;
    const STATUS status = zns::FindWritableDatabase(hDB, &db);
    if (status != NOERROR)
        return status;
    return NewNoteHandle(*db, zns::NoteData(), rethNote);
}

STATUS LNPUBLIC NSFNoteUpdate(NOTEHANDLE hNote, WORD UpdateFlags) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::NoteObject* note = nullptr;
    const STATUS status = zns::FindChangeableNote(hNote, &note);
    if (status != NOERROR)
        return status;
    if (!zns::CanWrite(note->access))
        return ERR_NOACCESS;
    return note->store->WriteNote(note->data, (UpdateFlags & UPDATE_FORCE) != 0);
}

STATUS LNPUBLIC NSFNoteClose(NOTEHANDLE hNote) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::NoteObject* note = nullptr;
    const STATUS status = zns::FindChangeableNote(hNote, &note);
    if (status != NOERROR)
        return status;
    note->store->Recycle(std::move(note->data));
    zns::RemoveHandle(hNote);
    return NOERROR;
}

STATUS LNPUBLIC NSFNoteDelete(DBHANDLE hDB, NOTEID NoteID, WORD) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::DatabaseObject* db = nullptr;
    const STATUS status = zns::FindWritableDatabase(hDB, &db);
    if (status != NOERROR)
        return status;
    return db->store->DeleteNote(NoteID);
}

void LNPUBLIC NSFNoteGetInfo(NOTEHANDLE hNote, WORD Type, void* retValue) {
    ZNS_REQUIRE_INIT();
    if (!retValue)
        return;
    const zns::NoteObject* note = zns::FindHandle<zns::NoteObject>(hNote);
    if (!note)
        return;
    const zns::NoteData& data = note->data;
    if (Type == _NOTE_ID) {
        std::memcpy(retValue, &data.id, sizeof data.id);
    } else if (Type == _NOTE_CLASS) {
        std::memcpy(retValue, &data.noteClass, sizeof data.noteClass);
    } else if (Type == _NOTE_OID) {
        OID oid{};
        oid.Sequence = static_cast<DWORD>(data.sequence);
        std::memcpy(retValue, &oid, sizeof oid);
    }
}
