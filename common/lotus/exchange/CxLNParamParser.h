// The parameter file of a helper run: a typed key-value list. Every value the
// system writes is a text, numbers included.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class CxFile;
class CxList;

// Value types, numbered as OLE automation variants.
enum : int32_t { LN_PARAM_INT = 3, LN_PARAM_DOUBLE = 5, LN_PARAM_TEXT = 8, LN_PARAM_BOOL = 11 };

// Parameter numbers of a helper run.
enum : int32_t {
    LN_PARAM_SERVER_NAME = 1000,
    LN_PARAM_USER_NAME = 1001,
    LN_PARAM_PASSWORD = 1002,
    LN_PARAM_FILE_NAME = 1003,
    LN_PARAM_TEMP_PATH = 1004,
    LN_PARAM_MODE = 1005,
    LN_PARAM_ERROR_FILE = 1006,
    LN_PARAM_STATUS_FILE = 1007,
    LN_PARAM_MAIL_DB = 1008,
    LN_PARAM_LOCAL_NAME = 1009,
    LN_PARAM_DEBUG_PATH = 1010,
    LN_PARAM_DEBUG_FILE = 1011,
    LN_PARAM_DEBUG_LEVEL = 1012,
    LN_PARAM_DEBUG_ENABLED = 1013,
    LN_PARAM_ID_FILE = 1014,
};

// Text values hold at most this many characters.
constexpr std::size_t LN_PARAM_TEXT_MAX = 1023;

struct tagLNParamItem {
    int32_t nID;
    int32_t nType;
    int32_t nValue;
    double dValue;
    uint8_t bValue;
    std::u16string wsValue; // texts are held wide, 8-bit text is Windows-1252
};

class CxLNParamParser {
public:
    CxLNParamParser();
    virtual ~CxLNParamParser();
    CxLNParamParser(const CxLNParamParser&) = delete;
    CxLNParamParser& operator=(const CxLNParamParser&) = delete;

    // `value` points to an int32 (3), a double (5), 8-bit text (8) or a byte (11).
    bool SetParam(int32_t nID, const void* value, int32_t nType);
    // Copies the value into `destination` of `size` bytes (a text is cut to
    // size-1 characters); false for a missing item or a destination too small.
    bool GetParam(int32_t nID, void* destination, std::size_t size, int32_t* type) const;
    tagLNParamItem* FindParam(int32_t nID) const;
    void ClearParams();
    uint32_t GetCount() const;

    bool SaveToFile(const char* path);
    bool LoadFromFile(const char* path);

    const char* GetParamPath() const { return m_szParamPath; }

private:
    // A non-empty path replaces the last one; false for one that does not fit.
    bool TakePath_(const char* path);
    static bool StoreValue_(tagLNParamItem* item, const void* value);
    bool WriteItem_(CxFile* file, const tagLNParamItem* item) const;
    bool ReadItem_(CxFile* file);

    CxList* m_pItems;
    char m_szParamPath[260];
};

// Convenience for the text items every helper run carries.
bool SetTextParam(CxLNParamParser* parser, int32_t nID, const char* text);
bool SetNumberParam(CxLNParamParser* parser, int32_t nID, int value);
// Copies a text item into a buffer of `size` bytes; false, buffer untouched, without one.
bool GetTextParam(const CxLNParamParser* parser, int32_t nID, char* buffer, std::size_t size);
// A text item read as a decimal number; 0 when it is missing.
int GetNumberParam(const CxLNParamParser* parser, int32_t nID);
