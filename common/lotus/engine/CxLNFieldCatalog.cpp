#include "CxLNFieldCatalog.h"

#include <cstring>

#include "common/misc/CxString.h"

const tagLNRecField* LNCatalogEntry(const tagLNCatalog& catalog, unsigned long position) {
    if (position == 0 || position >= catalog.nCount)
        return nullptr;
    return &catalog.pRows[position - 1].field;
}

bool LNCatalogCopy(const tagLNCatalog& catalog, unsigned long position, tagLNRecField* out) {
    const tagLNRecField* entry = LNCatalogEntry(catalog, position);
    if (!out || !entry)
        return false;
    *out = *entry;
    return true;
}

const char* LNCatalogName(const tagLNCatalog& catalog, unsigned long position) {
    const tagLNRecField* entry = LNCatalogEntry(catalog, position);
    return entry ? entry->name : "";
}

char* LNEmptyFieldText() {
    // Callers may write into what they get; each thread has its own.
    static thread_local char s_szEmpty[256];
    std::memset(s_szEmpty, 0, sizeof s_szEmpty);
    return s_szEmpty;
}

char* LNCatalogText(const tagLNCatalog& catalog, void* record, unsigned long id) {
    if (!record || !catalog.bTextAccess || catalog.nCount == 0 || id >= catalog.nCount - 1)
        return LNEmptyFieldText();
    const tagLNFieldRow& row = catalog.pRows[id];
    if (row.field.type != LN_FIELD_TEXT || row.field.size <= 0)
        return LNEmptyFieldText();
    char* text = static_cast<char*>(record) + row.nOffset;
    // A reader stops at the terminator, so it never runs past the field.
    text[row.field.size - 1] = '\0';
    return text;
}

bool LNCatalogSetText(const tagLNCatalog& catalog, unsigned long id, const char* text,
                      void* common) {
    if (!text || !common || id >= catalog.nCount)
        return false;
    for (std::size_t i = 0; i < catalog.nCommTextCount; ++i) {
        const tagLNCommTextRow& row = catalog.pCommTexts[i];
        if (row.nId != id)
            continue;
        CxStrCopyN(static_cast<char*>(common) + row.nOffset, row.nSize, text, row.nChars);
        return true;
    }
    return false;
}
