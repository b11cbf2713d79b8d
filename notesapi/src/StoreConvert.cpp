// Store::ConvertText: a database of the earlier format made current.
#include "notesapi/src/OldText.h"
#include "notesapi/src/Store.h"
#include "notesapi/src/Text.h"

namespace zns {

namespace {

STATUS ConvertItems(sqlite3* db, int64_t note) {
    Statement read(db, "SELECT ord, name, type, value FROM items WHERE note=? ORDER BY ord");
    read.Bind(1, note);
    struct Row {
        int64_t ord;
        std::string name;
        std::vector<uint8_t> value;
    };
    std::vector<Row> rows;
    int rc;
    while ((rc = read.Step()) == SQLITE_ROW) {
        std::vector<uint8_t> value = read.Blob(3);
        if (value.size() < 2)
            continue;
        const WORD type = GetWord(value.data());
        std::vector<uint8_t> payload(value.begin() + 2, value.end());
        Row row{read.Integer(0), LmbcsFromCp1252(read.Text(1)), {}};
        PutWord(row.value, type);
        const std::vector<uint8_t> converted = ConvertOldValue(type, payload);
        row.value.insert(row.value.end(), converted.begin(), converted.end());
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        return SqlStatus(rc);
    Statement write(db, "UPDATE items SET name=?, value=? WHERE note=? AND ord=?");
    for (const Row& row : rows) {
        write.Reset();
        write.Bind(1, row.name);
        write.BindBlob(2, row.value);
        write.Bind(3, note);
        write.Bind(4, row.ord);
        if ((rc = write.Step()) != SQLITE_DONE)
            return SqlStatus(rc);
    }
    return NOERROR;
}

STATUS ConvertAccess(sqlite3* db) {
    Statement read(db, "SELECT user, level FROM acl");
    std::vector<std::pair<std::string, int64_t>> entries;
    int rc;
    while ((rc = read.Step()) == SQLITE_ROW)
        entries.emplace_back(read.Text(0), read.Integer(1));
    if (rc != SQLITE_DONE)
        return SqlStatus(rc);
    Statement clear(db, "DELETE FROM acl");
    if ((rc = clear.Step()) != SQLITE_DONE)
        return SqlStatus(rc);
    Statement write(db, "INSERT OR REPLACE INTO acl(user, level) VALUES(?, ?)");
    for (const auto& entry : entries) {
        write.Reset();
        const std::string user = LmbcsFromCp1252(entry.first);
        write.Bind(1, user);
        write.Bind(2, entry.second);
        if ((rc = write.Step()) != SQLITE_DONE)
            return SqlStatus(rc);
    }
    return NOERROR;
}

STATUS ConvertAll(sqlite3* db) {
    Statement notes(db, "SELECT id FROM notes ORDER BY id");
    std::vector<int64_t> ids;
    int rc;
    while ((rc = notes.Step()) == SQLITE_ROW)
        ids.push_back(notes.Integer(0));
    if (rc != SQLITE_DONE)
        return SqlStatus(rc);
    STATUS status = NOERROR;
    for (size_t i = 0; i < ids.size() && status == NOERROR; ++i)
        status = ConvertItems(db, ids[i]);
    if (status == NOERROR)
        status = ConvertAccess(db);
    if (status != NOERROR)
        return status;
    Statement mark(db, "UPDATE meta SET value=? WHERE key='format'");
    const std::string format = kFormat;
    mark.Bind(1, format);
    return SqlStatus(mark.Step());
}

} // namespace

STATUS Store::ConvertText() {
    Transaction txn(m_statements, true);
    if (txn.BeginResult() != SQLITE_OK)
        return SqlStatus(txn.BeginResult());
    const STATUS status = ConvertAll(m_db);
    return status != NOERROR ? status : SqlStatus(txn.Commit());
}

} // namespace zns
