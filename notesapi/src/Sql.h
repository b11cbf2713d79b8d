// Thin RAII helpers over the SQLite C API for the store.
#pragma once
#include "notesapi/src/Api.h"

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace zns {

// The status of an SQLite result code: busy and locked are a busy database,
// a foreign or broken file is no database.
STATUS SqlStatus(int rc);

class Statement {
public:
    // `keep` for a statement that lives as long as its connection.
    Statement(sqlite3* db, const char* sql, bool keep = false);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int PrepareResult() const { return m_prepare; }
    // Text and bytes are not copied: they must outlive the step.
    void Bind(int index, int64_t value);
    void Bind(int index, const std::string& text);
    void BindBlob(int index, const std::vector<uint8_t>& bytes);
    int Step(); // SQLITE_ROW, SQLITE_DONE or an error
    void Reset(); // for the next row, bindings cleared
    int64_t Integer(int column) const;
    std::string Text(int column) const;
    std::vector<uint8_t> Blob(int column) const;
    // Into a kept buffer, whose capacity the next row reuses.
    void TextInto(int column, std::string& text) const;
    void BlobInto(int column, std::vector<uint8_t>& bytes) const;
    bool IsNull(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_prepare;
};

// A kept statement in use; reset when the use ends, so no finished read
// holds on to a snapshot of the file.
class StatementUse {
public:
    explicit StatementUse(Statement& statement) : m_statement(statement) {}
    ~StatementUse() { m_statement.Reset(); }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;
    Statement* operator->() const { return &m_statement; }

private:
    Statement& m_statement;
};

// The statements of one connection, prepared once. Keyed by the address
// of the SQL text, which is always a constant.
class StatementCache {
public:
    explicit StatementCache(sqlite3* db) : m_db(db) {}
    Statement& Get(const char* sql);
    sqlite3* Db() const { return m_db; }
    void Clear() { m_statements.clear(); }

private:
    sqlite3* m_db;
    std::unordered_map<const char*, std::unique_ptr<Statement>> m_statements;
};

// Rolls back unless committed. Within an open batch it is a savepoint.
class Transaction {
public:
    Transaction(StatementCache& statements, bool write);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    int BeginResult() const { return m_begin; }
    int Commit();

private:
    StatementCache& m_statements;
    bool m_nested;
    int m_begin;
    bool m_open;
};

} // namespace zns
