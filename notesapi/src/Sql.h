// Thin RAII helpers over the SQLite C API for the store.
#pragma once
#include "notesapi/src/Api.h"

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zns {

// The status of an SQLite result code: busy and locked are a busy database,
// a foreign or broken file is no database.
STATUS SqlStatus(int rc);

class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int PrepareResult() const { return m_prepare; }
    void Bind(int index, int64_t value);
    void Bind(int index, const std::string& text);
    void BindBlob(int index, const std::vector<uint8_t>& bytes);
    int Step(); // SQLITE_ROW, SQLITE_DONE or an error
    void Reset(); // for the next row, bindings cleared
    int64_t Integer(int column) const;
    std::string Text(int column) const;
    std::vector<uint8_t> Blob(int column) const;
    bool IsNull(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_prepare;
};

// Rolls back unless committed.
class Transaction {
public:
    Transaction(sqlite3* db, bool write);
    ~Transaction();
    int BeginResult() const { return m_begin; }
    int Commit();

private:
    sqlite3* m_db;
    int m_begin;
    bool m_open;
};

} // namespace zns
