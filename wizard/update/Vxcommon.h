// Vocabulary of a batch field update: catalogue rows, update definitions,
// their texts, and the base of the per-kind update engines.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>

enum : int32_t {
    FU_TYPE_STRING = 1,
    FU_TYPE_DATE = 2,
    FU_TYPE_DATETIME = 3,
    FU_TYPE_BOOLEAN = 4,
    FU_TYPE_INTEGER = 5,
    FU_TYPE_ENUM = 6,
};

// nOperation of a String definition; 0 for the other types.
enum : int32_t {
    FU_OP_NONE = 0,
    FU_OP_SET = 1,
    FU_OP_APPEND = 2,
    FU_OP_INSERT = 3,
    FU_OP_REPLACE = 4,
    // Set from Fields: szValue is a template such as "{First Name} {Last Name}".
    FU_OP_TEMPLATE = 5,
    // Set from a values file, for a field of any type: nPosition is the
    // column of the engine's values table, szFind the column's name and
    // szValue the file's name (texts of the description only).
    FU_OP_FROM_FILE = 6,
};

enum { FU_MAX_ENUM = 10 };

// One row of an updatable-field catalogue.
struct tagFUFieldInfo {
    int32_t nKey;
    int32_t nType;
    char szName[32];
    char szDesc[256];
    int32_t nMaxLen; // String: size of the record's text buffer, zero included
    int32_t nEnumCount;
    int32_t nEnumValues[FU_MAX_ENUM];
    char szEnumNames[FU_MAX_ENUM][32];
};

// One field update definition; a new one is all zero but nFieldKey -1.
struct tagFUFieldUpdate {
    int32_t nFieldKey;
    int32_t nOperation;
    char szFind[256];
    char szValue[256];
    int32_t nPosition;
    int32_t nDateSet;
    double dtValue;
    uint8_t bValue;
    int32_t nValue;
};

// A definition's text (szFind, szValue), never read past its buffer.
std::string FUDefinitionText(const char (&text)[256]);

// Why a String definition of `operation` is refused: the text it works with
// (Append, Insert: the value; Replace: the find text) is empty. Null for Set
// and any other code, which may be empty.
const char* FUEmptyTextMessage(int operation);

// "MM/DD/YYYY", with `withTime` followed by " hh:mm:ss"; empty after 2030.
std::string FUDateText(double value, bool withTime);

// "String", "Date", ...; an empty text for any other code.
const char* GetFieldTypeName(int type);
// The "Update Details" text of a definition for its catalogue row.
std::string DescribeUpdate(const tagFUFieldInfo* row, const tagFUFieldUpdate* def);

class CxFile;
class CxList;
class CxFUValueTable;

// Profile entries of saved definition lists. Nothing fills it yet; it owns
// what it holds.
struct tagFUProfile {
    CxList* pDefinitions; // owned, of tagFUFieldUpdate (C heap)
};

class CxFUProfileManager {
public:
    CxFUProfileManager();
    ~CxFUProfileManager();
    CxFUProfileManager(const CxFUProfileManager&) = delete;
    CxFUProfileManager& operator=(const CxFUProfileManager&) = delete;

    // Frees every entry with its definitions and empties the list.
    void ClearProfiles();
    CxList* GetProfileList() { return m_pProfileList; }

private:
    [[maybe_unused]] char m_szProfilePath[260]; // stays empty: no profile file is named yet
    CxFile* m_pProfileFile;
    CxList* m_pProfileList; // of tagFUProfile, made with new
};

// The typed update primitives that every kind's engine applies; each is
// false only for a null pointer.
class CxVXCommonUtil {
public:
    CxVXCommonUtil();
    ~CxVXCommonUtil();
    CxVXCommonUtil(const CxVXCommonUtil&) = delete;
    CxVXCommonUtil& operator=(const CxVXCommonUtil&) = delete;

    // `field` is a text buffer of `size` bytes.
    static bool UpdateTextValue(char* field, int size, const tagFUFieldUpdate* def);
    static bool UpdateDateValue(double* field, const tagFUFieldUpdate* def);
    static bool UpdateIntValue(int32_t* field, const tagFUFieldUpdate* def);
    static bool UpdateBoolValue(uint8_t* field, const tagFUFieldUpdate* def);

    // The values file of this run, read by its definitions from the file;
    // none until one is set. Each setting counts, so a window can tell a
    // newer file from the one it showed.
    void SetValueTable(std::shared_ptr<const CxFUValueTable> values) {
        m_pValues = std::move(values);
        ++m_nValueTables;
    }
    const CxFUValueTable* GetValueTable() const { return m_pValues.get(); }
    unsigned GetValueTableNumber() const { return m_nValueTables; }
    // Field key to the number of records whose new value was cut to the
    // field's size, over every update this engine ran.
    const std::map<int, uint32_t>& GetCutCounts() const { return m_cuts; }

protected:
    CxFUProfileManager* m_pProfiles;
    std::shared_ptr<const CxFUValueTable> m_pValues;
    unsigned m_nValueTables = 0;
    std::map<int, uint32_t> m_cuts;
};
