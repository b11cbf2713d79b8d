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

// The marks of database files: text in LMBCS, and the earlier text in code
// page 1252.
inline constexpr char kFormat[] = "zembrik-notes-2";
inline constexpr char kOldFormat[] = "zembrik-notes-1";

struct AccessEntry {
    std::string user;
    int level = 0;
};

// The items a search reads of each note: those of the names, and with
// `summary` every summary item.
struct ItemChoice {
    std::vector<std::string> names;
    bool summary = false;
};

// A live note found by a search, with the chosen items in their order.
struct NoteSummary {
    NOTEID id = 0;
    WORD noteClass = 0;
    int64_t sequence = 0;
    std::vector<Item> items;
};

class Store {
public:
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    static STATUS Create(const std::string& path);
    // ERR_NOEXIST, ERR_NOT_NSF, ERR_DATABASE_BUSY, ERR_OLD_FORMAT.
    static STATUS Open(const std::string& path, int busyTimeoutMs, std::shared_ptr<Store>& store);
    // Turns a database of the earlier format (text in code page 1252) into
    // one of LMBCS; `converted` false when it was one already.
    static STATUS Convert(const std::string& path, int busyTimeoutMs, bool& converted);

    // ERR_INVALID_NOTE, ERR_NOTE_DELETED.
    STATUS ReadNote(NOTEID id, NoteData& note);
    // Takes the buffers of a note that is done with; the next read fills
    // them, so a search that opens note after note does not allocate anew
    // for every item of every note.
    void Recycle(NoteData&& note);
    // Stores the note in one transaction, writing only the items changed
    // since it was read; a new note gets its ID. ERR_CONFLICT when the
    // stored note changed since `note` was read, unless `force`.
    STATUS WriteNote(NoteData& note, bool force);
    STATUS DeleteNote(NOTEID id);
    // Live notes of the classes in `classMask` in note ID order.
    STATUS ListNotes(WORD classMask, const ItemChoice& choice, std::vector<NoteSummary>& notes);

    // The database information buffer; empty when none was set.
    STATUS ReadInfo(std::string& info);
    STATUS WriteInfo(const std::string& info);

    // Until the batch ends every write is part of one transaction, each
    // note still whole or absent; a batch not committed is rolled back.
    STATUS BeginBatch();
    STATUS EndBatch(bool commit);

    STATUS ReadAccess(std::vector<AccessEntry>& entries);
    STATUS SetAccess(const std::string& user, int level);

private:
    explicit Store(sqlite3* db) : m_db(db), m_statements(db) {}
    static STATUS OpenFile(const std::string& path, int busyTimeoutMs,
                           std::shared_ptr<Store>& store);
    // NOERROR for the current format, ERR_OLD_FORMAT for the earlier one.
    STATUS CheckFormat();
    STATUS ConvertText();
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
    NoteData m_spare;
};

} // namespace zns
