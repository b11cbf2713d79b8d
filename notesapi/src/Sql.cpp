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
    std::string text;
    TextInto(column, text);
    return text;
}

std::vector<uint8_t> Statement::Blob(int column) const {
    std::vector<uint8_t> bytes;
    BlobInto(column, bytes);
    return bytes;
}

void Statement::TextInto(int column, std::string& text) const {
    const char* chars = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    const int length = sqlite3_column_bytes(m_stmt, column);
    if (chars)
        text.assign(chars, static_cast<size_t>(length));
    else
        text.clear();
}

void Statement::BlobInto(int column, std::vector<uint8_t>& bytes) const {
    const uint8_t* data = static_cast<const uint8_t*>(sqlite3_column_blob(m_stmt, column));
    const int length = sqlite3_column_bytes(m_stmt, column);
    if (data)
        bytes.assign(data, data + length);
    else
        bytes.clear();
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

const char kSavepoint[] = "SAVEPOINT note";
const char kBeginWrite[] = "BEGIN IMMEDIATE";
const char kBeginRead[] = "BEGIN";
const char kRelease[] = "RELEASE note";
const char kCommit[] = "COMMIT";
const char kRollbackTo[] = "ROLLBACK TO note";
const char kRollback[] = "ROLLBACK";

// Transaction control is prepared once too: a read of a note is short, and
// parsing its BEGIN and COMMIT would cost as much as the read.
int Run(StatementCache& statements, const char* sql) {
    StatementUse st(statements.Get(sql));
    const int rc = st->Step();
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// Inside a batch the transaction is a savepoint, so one note still stays
// whole or absent while the batch commits once.
int Begin(StatementCache& statements, bool write, bool nested) {
    return Run(statements, nested ? kSavepoint : (write ? kBeginWrite : kBeginRead));
}

} // namespace

Transaction::Transaction(StatementCache& statements, bool write)
    : m_statements(statements),
      m_nested(sqlite3_get_autocommit(statements.Db()) == 0),
      m_begin(Begin(statements, write, m_nested)),
      m_open(m_begin == SQLITE_OK) {}

Transaction::~Transaction() {
    if (!m_open)
        return;
    if (m_nested) {
        Run(m_statements, kRollbackTo);
        Run(m_statements, kRelease);
    } else {
        Run(m_statements, kRollback);
    }
}

int Transaction::Commit() {
    int rc = Run(m_statements, m_nested ? kRelease : kCommit);
    if (rc == SQLITE_OK)
        m_open = false;
    return rc;
}

} // namespace zns
