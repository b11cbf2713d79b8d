#include "notesapi/src/Handles.h"

#include "notesapi/src/Access.h"
#include "notesapi/src/Store.h"

#include <unordered_map>

namespace zns {

namespace {

struct HandleTable {
    std::unordered_map<DHANDLE, std::unique_ptr<HandleObject>> objects;
    DHANDLE next = 1;
    unsigned closings = 0; // times every handle was closed at once
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

} // namespace

DHANDLE AddHandle(std::unique_ptr<HandleObject> object) {
    HandleTable& t = Table();
    DHANDLE handle = t.next++;
    if (t.next == NULLHANDLE)
        t.next = 1;
    t.objects.emplace(handle, std::move(object));
    return handle;
}

bool RemoveHandle(DHANDLE handle) {
    return Table().objects.erase(handle) > 0;
}

void CloseAllHandles() {
    Table().objects.clear();
    ++Table().closings;
}

unsigned HandleClosings() {
    return Table().closings;
}

STATUS FindChangeableNote(DHANDLE handle, NoteObject** note) {
    *note = FindHandle<NoteObject>(handle);
    if (!*note)
        return ERR_INVALID_HANDLE;
    return (*note)->scanning ? ERR_BAD_ARGUMENT : NOERROR;
}

HandleObject* FindHandleObject(DHANDLE handle) {
    HandleTable& t = Table();
    auto it = t.objects.find(handle);
    return it == t.objects.end() ? nullptr : it->second.get();
}

STATUS FindWritableDatabase(DHANDLE handle, DatabaseObject** db) {
    DatabaseObject* found = FindHandle<DatabaseObject>(handle);
    if (!found)
        return ERR_INVALID_HANDLE;
    if (!CanWrite(found->access))
        return ERR_NOACCESS;
    *db = found;
    return NOERROR;
}

} // namespace zns
