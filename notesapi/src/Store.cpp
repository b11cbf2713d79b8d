#include "notesapi/src/Store.h"

#include "notesapi/src/ItemRows.h"
#include "notesapi/src/Text.h"

#include <cstdio>
#include <utility>
#include <sys/stat.h>

namespace zns {

namespace {


// AUTOINCREMENT keeps note IDs from ever being reused, deleted notes stay
// as rows so an old ID reports a deleted note rather than nothing. Items are
// only ever looked up through their note, so no other index is kept up:
// databases made earlier keep theirs, unused.
const char* const kSchema =
    "PRAGMA journal_mode=WAL;"
    "BEGIN;"
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT);"
    "CREATE TABLE notes(id INTEGER PRIMARY KEY AUTOINCREMENT, class INTEGER NOT NULL,"
    " deleted INTEGER NOT NULL DEFAULT 0, sequence INTEGER NOT NULL DEFAULT 1);"
    "CREATE TABLE items(note INTEGER NOT NULL REFERENCES notes(id), ord INTEGER NOT NULL,"
    " name TEXT NOT NULL, type INTEGER NOT NULL, flags INTEGER NOT NULL, value BLOB NOT NULL,"
    " PRIMARY KEY(note, ord));"
    "CREATE TABLE acl(user TEXT PRIMARY KEY COLLATE NOCASE, level INTEGER NOT NULL);";

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

STATUS Finish(Transaction& txn, STATUS status) {
    if (status != NOERROR)
        return status;
    return SqlStatus(txn.Commit());
}

} // namespace

Store::~Store() {
    m_statements.Clear();
    sqlite3_close_v2(m_db);
}

STATUS Store::Create(const std::string& path) {
    if (path.empty())
        return ERR_BAD_ARGUMENT;
    if (FileExists(path))
        return ERR_FILE_EXISTS;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             nullptr);
    const std::string schema =
        std::string(kSchema) + "INSERT INTO meta VALUES('format', '" + kFormat + "');COMMIT;";
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, schema.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    if (rc != SQLITE_OK) {
        std::remove(path.c_str());
        return ERR_DATABASE_IO;
    }
    return NOERROR;
}

STATUS Store::OpenFile(const std::string& path, int busyTimeoutMs,
                       std::shared_ptr<Store>& store) {
    if (!FileExists(path))
        return ERR_NOEXIST;
    if (!IsRegularFile(path))
        return ERR_NOT_NSF;
    sqlite3* db = nullptr;
    // Every use of a connection is under the API's own lock, so SQLite's lock
    // on each call would only cost.
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    std::shared_ptr<Store> opened(new Store(db));
    if (rc != SQLITE_OK)
        return rc == SQLITE_CANTOPEN ? ERR_NOEXIST : SqlStatus(rc);
    sqlite3_busy_timeout(db, busyTimeoutMs);
    sqlite3_extended_result_codes(db, 0);
    store = opened;
    return NOERROR;
}

STATUS Store::Open(const std::string& path, int busyTimeoutMs, std::shared_ptr<Store>& store) {
    std::shared_ptr<Store> opened;
    STATUS status = OpenFile(path, busyTimeoutMs, opened);
    if (status == NOERROR)
        status = opened->CheckFormat();
    if (status != NOERROR)
        return status;
    sqlite3_exec(opened->m_db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    store = opened;
    return NOERROR;
}

STATUS Store::Convert(const std::string& path, int busyTimeoutMs, bool& converted) {
    converted = false;
    std::shared_ptr<Store> opened;
    STATUS status = OpenFile(path, busyTimeoutMs, opened);
    if (status == NOERROR)
        status = opened->CheckFormat();
    if (status != ERR_OLD_FORMAT)
        return status;
    status = opened->ConvertText();
    converted = status == NOERROR;
    return status;
}

// Only reads: a foreign file is never touched.
STATUS Store::CheckFormat() {
    Statement st(m_db, "SELECT value FROM meta WHERE key='format'");
    int rc = st.Step();
    if (rc == SQLITE_ROW) {
        const std::string format = st.Text(0);
        return format == kFormat ? NOERROR : (format == kOldFormat ? ERR_OLD_FORMAT : ERR_NOT_NSF);
    }
    if (rc == SQLITE_DONE)
        return ERR_NOT_NSF;
    return SqlStatus(rc);
}

STATUS Store::NoteState(NOTEID id, int64_t& sequence) {
    StatementUse st(m_statements.Get("SELECT deleted, sequence FROM notes WHERE id=?"));
    st->Bind(1, static_cast<int64_t>(id));
    int rc = st->Step();
    if (rc == SQLITE_DONE)
        return ERR_INVALID_NOTE;
    if (rc != SQLITE_ROW)
        return SqlStatus(rc);
    if (st->Integer(0) != 0)
        return ERR_NOTE_DELETED;
    sequence = st->Integer(1);
    return NOERROR;
}

// Fills the items `note` already holds before it adds any, keeping their
// buffers.
STATUS Store::ReadItems(NOTEID id, NoteData& note) {
    StatementUse st(
        m_statements.Get("SELECT ord, name, flags, value FROM items WHERE note=? ORDER BY ord"));
    st->Bind(1, static_cast<int64_t>(id));
    note.storedRows.clear();
    size_t count = 0;
    int rc;
    while ((rc = st->Step()) == SQLITE_ROW) {
        if (count == note.items.size())
            note.items.emplace_back();
        Item& item = note.items[count++];
        item.row = st->Integer(0);
        item.changed = false;
        st->TextInto(1, item.name);
        item.flags = static_cast<WORD>(st->Integer(2));
        st->BlobInto(3, item.value);
        if (item.value.size() < 2)
            return ERR_NOT_NSF;
        note.storedRows.push_back(item.row);
    }
    note.items.resize(count);
    return SqlStatus(rc);
}

STATUS Store::ClearItems(NOTEID id) {
    StatementUse st(m_statements.Get("DELETE FROM items WHERE note=?"));
    st->Bind(1, static_cast<int64_t>(id));
    return SqlStatus(st->Step());
}

STATUS Store::InsertItem(NOTEID id, int64_t row, const Item& item) {
    StatementUse st(m_statements.Get("INSERT OR REPLACE INTO items VALUES(?, ?, ?, ?, ?, ?)"));
    st->Bind(1, static_cast<int64_t>(id));
    st->Bind(2, row);
    st->Bind(3, item.name);
    st->Bind(4, static_cast<int64_t>(item.Type()));
    st->Bind(5, static_cast<int64_t>(item.flags));
    st->BindBlob(6, item.value);
    return SqlStatus(st->Step());
}

// `afresh` when the stored rows may not be the ones read (a new note, a
// forced update over another writer's): every row is then written anew.
STATUS Store::WriteChangedItems(const NoteData& note, NOTEID id, bool afresh,
                                std::vector<int64_t>& rows) {
    if (!afresh && !PlanItemRows(note.items, rows))
        afresh = true;
    STATUS status = NOERROR;
    if (afresh) {
        rows.clear();
        for (size_t i = 0; i < note.items.size(); ++i)
            rows.push_back(static_cast<int64_t>(i));
        status = ClearItems(id);
    } else {
        StatementUse drop(m_statements.Get("DELETE FROM items WHERE note=? AND ord=?"));
        for (int64_t row : DroppedRows(note.storedRows, note.items)) {
            drop->Reset();
            drop->Bind(1, static_cast<int64_t>(id));
            drop->Bind(2, row);
            status = SqlStatus(drop->Step());
            if (status != NOERROR)
                return status;
        }
    }
    for (size_t i = 0; i < note.items.size() && status == NOERROR; ++i)
        if (afresh || note.items[i].changed || note.items[i].row != rows[i])
            status = InsertItem(id, rows[i], note.items[i]);
    return status;
}

STATUS Store::ReadNote(NOTEID id, NoteData& note) {
    Transaction txn(m_statements, false);
    if (txn.BeginResult() != SQLITE_OK)
        return SqlStatus(txn.BeginResult());
    NoteData read = std::exchange(m_spare, NoteData());
    read.id = id;
    read.noteClass = NOTE_CLASS_DOCUMENT;
    STATUS status = NoteState(id, read.sequence);
    if (status == NOERROR)
        status = ReadItems(id, read);
    status = Finish(txn, status);
    if (status == NOERROR)
        note = std::move(read);
    else
        Recycle(std::move(read));
    return status;
}

void Store::Recycle(NoteData&& note) {
    if (note.items.capacity() > m_spare.items.capacity())
        m_spare = std::move(note);
}

STATUS Store::NewNote(WORD noteClass, NOTEID& id) {
    StatementUse st(m_statements.Get("INSERT INTO notes(class) VALUES(?)"));
    st->Bind(1, static_cast<int64_t>(noteClass));
    int rc = st->Step();
    if (rc != SQLITE_DONE)
        return SqlStatus(rc);
    id = static_cast<NOTEID>(sqlite3_last_insert_rowid(m_db));
    return NOERROR;
}

STATUS Store::NextSequence(NOTEID id, int64_t read, bool force, int64_t& sequence) {
    int64_t stored = 0;
    STATUS status = NoteState(id, stored);
    if (status == NOERROR && !force && stored != read)
        status = ERR_CONFLICT;
    if (status != NOERROR)
        return status;
    sequence = stored + 1;
    StatementUse st(m_statements.Get("UPDATE notes SET sequence=? WHERE id=?"));
    st->Bind(1, sequence);
    st->Bind(2, static_cast<int64_t>(id));
    return SqlStatus(st->Step());
}

STATUS Store::WriteNote(NoteData& note, bool force) {
    Transaction txn(m_statements, true);
    if (txn.BeginResult() != SQLITE_OK)
        return SqlStatus(txn.BeginResult());
    NOTEID id = note.id;
    int64_t sequence = 1;
    STATUS status = id == 0 ? NewNote(note.noteClass, id)
                            : NextSequence(id, note.sequence, force, sequence);
    bool afresh = note.id == 0 || sequence != note.sequence + 1;
    std::vector<int64_t> rows;
    if (status == NOERROR)
        status = WriteChangedItems(note, id, afresh, rows);
    status = Finish(txn, status);
    if (status == NOERROR) {
        note.id = id;
        note.sequence = sequence;
        for (size_t i = 0; i < note.items.size(); ++i) {
            note.items[i].row = rows[i];
            note.items[i].changed = false;
        }
        note.storedRows = std::move(rows);
    }
    return status;
}

STATUS Store::DeleteNote(NOTEID id) {
    Transaction txn(m_statements, true);
    if (txn.BeginResult() != SQLITE_OK)
        return SqlStatus(txn.BeginResult());
    int64_t sequence = 0;
    STATUS status = NoteState(id, sequence);
    if (status == NOERROR) {
        StatementUse st(
            m_statements.Get("UPDATE notes SET deleted=1, sequence=sequence+1 WHERE id=?"));
        st->Bind(1, static_cast<int64_t>(id));
        status = SqlStatus(st->Step());
    }
    if (status == NOERROR)
        status = ClearItems(id);
    return Finish(txn, status);
}

STATUS Store::BeginBatch() {
    if (sqlite3_get_autocommit(m_db) == 0)
        return ERR_BAD_ARGUMENT;
    // A larger page cache for the batch keeps it from spilling index pages
    // to the log before it commits; single updates keep the small default.
    sqlite3_exec(m_db, "PRAGMA cache_size=-32768", nullptr, nullptr, nullptr);
    return SqlStatus(sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr));
}

STATUS Store::EndBatch(bool commit) {
    if (sqlite3_get_autocommit(m_db) != 0)
        return ERR_BAD_ARGUMENT;
    int rc = sqlite3_exec(m_db, commit ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK && commit)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, "PRAGMA cache_size=-2000", nullptr, nullptr, nullptr);
    return SqlStatus(rc);
}

namespace {

// The join condition that picks a note's chosen items; null for none.
std::string ChoiceCondition(const ItemChoice& choice) {
    std::string names;
    for (size_t i = 0; i < choice.names.size(); ++i)
        names += i ? ", ?" : "?";
    if (!names.empty())
        names = "i.name COLLATE NOCASE IN (" + names + ")";
    if (!choice.summary)
        return names;
    const std::string summary = "(i.flags & " + std::to_string(ITEM_SUMMARY) + ")<>0";
    return names.empty() ? summary : "(" + names + " OR " + summary + ")";
}

// The items of a note that a formula of names alone looks at: the first
// of each name, found without reading the note's later items.
std::string FirstOfEachName(const ItemChoice& choice) {
    std::string firsts;
    for (size_t i = 0; i < choice.names.size(); ++i)
        firsts += std::string(i ? ", " : "") +
                  "(SELECT rowid FROM items WHERE note=n.id AND name COLLATE NOCASE=?"
                  " ORDER BY ord LIMIT 1)";
    return "i.rowid IN (" + firsts + ")";
}

} // namespace

STATUS Store::ListNotes(WORD classMask, const ItemChoice& choice,
                        std::vector<NoteSummary>& notes) {
    Transaction txn(m_statements, false);
    if (txn.BeginResult() != SQLITE_OK)
        return SqlStatus(txn.BeginResult());
    // The first items of each name are found by their row alone: joined
    // through their note as well, every item of the note would be looked at.
    const bool namesOnly = !choice.summary && !choice.names.empty();
    const std::string condition =
        namesOnly ? FirstOfEachName(choice) : ChoiceCondition(choice);
    const std::string join =
        condition.empty() ? std::string(", NULL, NULL, NULL FROM notes n")
                          : ", i.name, i.flags, i.value FROM notes n LEFT JOIN items i ON " +
                                (namesOnly ? condition : "i.note=n.id AND " + condition);
    Statement st(m_db, ("SELECT n.id, n.class, n.sequence" + join +
                        " WHERE n.deleted=0 AND (n.class & ?)<>0 ORDER BY n.id" +
                        (condition.empty() ? "" : ", i.ord"))
                           .c_str());
    int index = 1;
    for (const std::string& name : choice.names)
        st.Bind(index++, name);
    st.Bind(index, static_cast<int64_t>(classMask));
    std::vector<NoteSummary> found;
    int rc;
    while ((rc = st.Step()) == SQLITE_ROW) {
        const NOTEID id = static_cast<NOTEID>(st.Integer(0));
        if (found.empty() || found.back().id != id) {
            found.emplace_back();
            found.back().id = id;
            found.back().noteClass = static_cast<WORD>(st.Integer(1));
            found.back().sequence = st.Integer(2);
        }
        if (st.IsNull(5))
            continue;
        Item item;
        item.name = st.Text(3);
        item.flags = static_cast<WORD>(st.Integer(4));
        item.value = st.Blob(5);
        if (item.value.size() >= 2)
            found.back().items.push_back(std::move(item));
    }
    STATUS status = Finish(txn, SqlStatus(rc));
    if (status == NOERROR)
        notes = std::move(found);
    return status;
}

STATUS Store::ReadInfo(std::string& info) {
    Statement st(m_db, "SELECT value FROM meta WHERE key='info'");
    const int rc = st.Step();
    if (rc == SQLITE_ROW)
        info = st.Text(0);
    else if (rc == SQLITE_DONE)
        info.clear();
    return SqlStatus(rc);
}

STATUS Store::WriteInfo(const std::string& info) {
    Transaction txn(m_statements, true);
    if (txn.BeginResult() != SQLITE_OK)
        return SqlStatus(txn.BeginResult());
    Statement st(m_db, "INSERT OR REPLACE INTO meta(key, value) VALUES('info', ?)");
    st.Bind(1, info);
    return Finish(txn, SqlStatus(st.Step()));
}

STATUS Store::ReadAccess(std::vector<AccessEntry>& entries) {
    Statement st(m_db, "SELECT user, level FROM acl ORDER BY user");
    std::vector<AccessEntry> read;
    int rc;
    while ((rc = st.Step()) == SQLITE_ROW)
        read.push_back(AccessEntry{st.Text(0), static_cast<int>(st.Integer(1))});
    STATUS status = SqlStatus(rc);
    if (status == NOERROR)
        entries = std::move(read);
    return status;
}

STATUS Store::SetAccess(const std::string& user, int level) {
    Transaction txn(m_statements, true);
    if (txn.BeginResult() != SQLITE_OK)
        return SqlStatus(txn.BeginResult());
    Statement st(m_db, "INSERT OR REPLACE INTO acl(user, level) VALUES(?, ?)");
    st.Bind(1, user);
    st.Bind(2, static_cast<int64_t>(level));
    return Finish(txn, SqlStatus(st.Step()));
}

} // namespace zns
