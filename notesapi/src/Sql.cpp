#include "notesapi/src/Sql.h"

namespace zns {

STATUS SqlStatus(int rc) {
    switch (rc & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return NOERROR;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ERR_DATABASE_BUSY;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_ERROR:
    case SQLITE_FORMAT:
        return ERR_NOT_NSF;
    default:
        return ERR_DATABASE_IO;
    }
}

Statement::Statement(sqlite3* db, const char* sql, bool keep)
    : m_prepare(sqlite3_prepare_v3(db, sql, -1, keep ? SQLITE_PREPARE_PERSISTENT : 0, &m_stmt,
                                   nullptr)) {}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

void Statement::Bind(int index, int64_t value) {
    sqlite3_bind_int64(m_stmt, index, value);
}

void Statement::Bind(int index, const std::string& text) {
    sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

void Statement::BindBlob(int index, const std::vector<uint8_t>& bytes) {
    sqlite3_bind_blob(m_stmt, index, bytes.empty() ? "" : static_cast<const void*>(bytes.data()),
                      static_cast<int>(bytes.size()), SQLITE_STATIC);
}

int Statement::Step() {
    if (m_prepare != SQLITE_OK)
        return m_prepare;
    return sqlite3_step(m_stmt);
}

void Statement::Reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int64_t Statement::Integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

std::string Statement::Text(int column) const {
    const unsigned char* text = sqlite3_column_text(m_stmt, column);
    int length = sqlite3_column_bytes(m_stmt, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(length))
                : std::string();
}

std::vector<uint8_t> Statement::Blob(int column) const {
    const uint8_t* bytes = static_cast<const uint8_t*>(sqlite3_column_blob(m_stmt, column));
    int length = sqlite3_column_bytes(m_stmt, column);
    return bytes ? std::vector<uint8_t>(bytes, bytes + length) : std::vector<uint8_t>();
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

Statement& StatementCache::Get(const char* sql) {
    std::unique_ptr<Statement>& statement = m_statements[sql];
    if (!statement || statement->PrepareResult() != SQLITE_OK)
        statement.reset(new Statement(m_db, sql, true));
    return *statement;
}

namespace {

// Inside a batch the transaction is a savepoint, so one note still stays
// whole or absent while the batch commits once.
int Begin(sqlite3* db, bool write, bool nested) {
    const char* sql = nested ? "SAVEPOINT note" : (write ? "BEGIN IMMEDIATE" : "BEGIN");
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

} // namespace

Transaction::Transaction(sqlite3* db, bool write)
    : m_db(db),
      m_nested(sqlite3_get_autocommit(db) == 0),
      m_begin(Begin(db, write, m_nested)),
      m_open(m_begin == SQLITE_OK) {}

Transaction::~Transaction() {
    if (!m_open)
        return;
    if (m_nested)
        sqlite3_exec(m_db, "ROLLBACK TO note; RELEASE note", nullptr, nullptr, nullptr);
    else
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

int Transaction::Commit() {
    int rc = sqlite3_exec(m_db, m_nested ? "RELEASE note" : "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        m_open = false;
    return rc;
}

} // namespace zns
