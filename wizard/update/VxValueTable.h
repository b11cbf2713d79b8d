// Values for each record from a file: one row per key, one cell per column,
// each column setting one field. Filled and checked once; the engine reads
// it while it updates.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

enum : uint8_t {
    FU_CELL_EMPTY = 0, // leaves the field as it is
    FU_CELL_VALUE,     // sets it
    FU_CELL_CLEAR,     // empties a text, removes a date
};

// One cell, read by its field's type.
struct tagFUCell {
    uint8_t nState = FU_CELL_EMPTY;
    uint8_t bValue = 0;   // Boolean
    int32_t nValue = 0;   // Integer, Enumeration
    double dtValue = 0.0; // Date, Date & Time
    std::string text;     // String, Windows-1252
};

struct tagFUValueColumn {
    int nFieldKey;
    std::string name; // as the file's first row gives it, Windows-1252
};

struct tagFUValueRow {
    int nLine;       // where the row begins in the file, from 1
    std::string key; // Windows-1252, as given
    std::vector<tagFUCell> cells; // one per column, in column order
};

class CxFUValueTable {
public:
    CxFUValueTable(int keyField, const std::string& fileName)
        : m_nKeyField(keyField), m_fileName(fileName) {}

    int GetKeyField() const { return m_nKeyField; }
    const std::string& GetFileName() const { return m_fileName; } // Windows-1252

    // The index of the new column.
    int AddColumn(int fieldKey, const std::string& name);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const tagFUValueColumn& GetColumn(int column) const {
        return m_columns[static_cast<std::size_t>(column)];
    }

    // Room for `rows` rows, so adding them moves nothing.
    void Reserve(std::size_t rows) {
        m_rows.reserve(rows);
        m_index.reserve(rows);
    }
    // False when a row with the same key (as keys compare) is there already;
    // `firstLine` then gives that row's line.
    bool AddRow(tagFUValueRow row, int* firstLine);
    std::size_t GetRowCount() const { return m_rows.size(); }
    const tagFUValueRow& GetRow(std::size_t index) const { return m_rows[index]; }
    // The row whose key equals `key` as keys compare; -1 when none does.
    long FindRow(const std::string& key) const;
    // The same for `size` bytes at `text`; `scratch` keeps its room between calls.
    long FindRow(const char* text, std::size_t size, std::string* scratch) const;

private:
    int m_nKeyField;
    std::string m_fileName;
    std::vector<tagFUValueColumn> m_columns;
    std::vector<tagFUValueRow> m_rows;
    std::unordered_map<std::string, std::size_t> m_index; // key text to row
};
