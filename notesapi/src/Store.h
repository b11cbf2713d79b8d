// One database file on SQLite: notes, their items and the access list.
// Every operation is one transaction, so a reader never sees half a note
// and a crash loses no committed note.
#pragma once
#include "notesapi/src/Api.h"
#include "notesapi/src/Note.h"
#include "notesapi/src/Sql.h"

#include <memory>
#include <string>
#include <vector>

namespace zns {

struct AccessEntry {
    std::string user;
    int level = 0;
};

// A live note found by a search, with the first item of the asked name.
struct NoteSummary {
    NOTEID id = 0;
    bool hasItem = false;
    Item item;
};

class Store {
public:
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    static STATUS Create(const std::string& path);
    // ERR_NOEXIST, ERR_NOT_NSF, ERR_DATABASE_BUSY.
    static STATUS Open(const std::string& path, int busyTimeoutMs, std::shared_ptr<Store>& store);

    // ERR_INVALID_NOTE, ERR_NOTE_DELETED.
    STATUS ReadNote(NOTEID id, NoteData& note);
    // Stores the note in one transaction, writing only the items changed
    // since it was read; a new note gets its ID. ERR_CONFLICT when the
    // stored note changed since `note` was read, unless `force`.
    STATUS WriteNote(NoteData& note, bool force);
    STATUS DeleteNote(NOTEID id);
    // Live notes of the classes in `classMask` in note ID order; `itemName`
    // empty for no item.
    STATUS ListNotes(WORD classMask, const std::string& itemName, std::vector<NoteSummary>& notes);

    // Until the batch ends every write is part of one transaction, each
    // note still whole or absent; a batch not committed is rolled back.
    STATUS BeginBatch();
    STATUS EndBatch(bool commit);

    STATUS ReadAccess(std::vector<AccessEntry>& entries);
    STATUS SetAccess(const std::string& user, int level);

private:
    explicit Store(sqlite3* db) : m_db(db), m_statements(db) {}
    STATUS CheckFormat();
    STATUS ReadItems(NOTEID id, NoteData& note);
    STATUS ClearItems(NOTEID id);
    STATUS InsertItem(NOTEID id, int64_t row, const Item& item);
    STATUS WriteChangedItems(const NoteData& note, NOTEID id, bool afresh,
                             std::vector<int64_t>& rows);
    STATUS NoteState(NOTEID id, int64_t& sequence);
    STATUS NewNote(WORD noteClass, NOTEID& id);
    STATUS NextSequence(NOTEID id, int64_t read, bool force, int64_t& sequence);

    sqlite3* m_db;
    StatementCache m_statements;
};

} // namespace zns
