// The handle table: every open database, note, compiled formula and ID table is an
// object behind a number. Numbers are never handed out twice in a process,
// so a stale handle finds nothing instead of somebody else's object.
#pragma once
#include "notesapi/src/Api.h"
#include "notesapi/src/Formula.h"
#include "notesapi/src/Note.h"

#include <memory>
#include <set>
#include <string>

namespace zns {

class Store;

struct HandleObject {
    virtual ~HandleObject() = default;
};

struct DatabaseObject : HandleObject {
    std::shared_ptr<Store> store;
    int access = 0; // the current user's level, fixed at open
};

struct NoteObject : HandleObject {
    std::shared_ptr<Store> store;
    int access = 0;
    NoteData data;
    int scanning = 0; // item scans walking `data` in place
};

struct FormulaObject : HandleObject {
    Formula formula;
};

struct IdTableObject : HandleObject {
    std::set<DWORD> ids;
};

DHANDLE AddHandle(std::unique_ptr<HandleObject> object);
// The note behind `handle` for a call that changes its items, stores or
// closes it: ERR_INVALID_HANDLE when there is none, ERR_BAD_ARGUMENT while an
// item scan walks it.
STATUS FindChangeableNote(DHANDLE handle, NoteObject** note);
bool RemoveHandle(DHANDLE handle);
void CloseAllHandles();
// Changes whenever CloseAllHandles runs.
unsigned HandleClosings();
HandleObject* FindHandleObject(DHANDLE handle);

template <class T> T* FindHandle(DHANDLE handle) {
    return dynamic_cast<T*>(FindHandleObject(handle));
}

// The open database behind `handle` when the current user may change it;
// otherwise ERR_INVALID_HANDLE or ERR_NOACCESS, and `db` stays untouched.
STATUS FindWritableDatabase(DHANDLE handle, DatabaseObject** db);

} // namespace zns
