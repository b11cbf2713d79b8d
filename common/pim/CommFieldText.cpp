#include "CommFieldText.h"

const tagCommFieldInfo* CommFindRow(const tagCommFieldInfo* rows, int count, int key) {
    for (int i = 0; i < count; ++i)
        if (rows[i].nKey == key)
            return &rows[i];
    return nullptr;
}

bool CommCopyRow(const tagCommFieldInfo* rows, int count, int key, tagCommFieldInfo* row) {
    const tagCommFieldInfo* found = CommFindRow(rows, count, key);
    if (!row || !found)
        return false;
    *row = *found;
    return true;
}

bool CommBeginText(char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return false;
    buffer[0] = '\0';
    buffer[size - 1] = '\0';
    return true;
}

const char* CommYesNo(long value) {
    return value ? "Yes" : "No";
}

const char* CommSourceTypeText(int value) {
    static const char* const kTexts[] = {
        "Palm",     "Palm(4.1.2 and aboves)",
        "Outlook",  "Windows Address Book",
        "MSN",      "ICQ",
        "Yahoo",    "Google",
        "Domino",   "Endora",
        "CSV",      "XML",
        "VCard",    "Database",
        "Tellibox",
    };
    const int count = sizeof(kTexts) / sizeof(kTexts[0]);
    return value >= 1 && value <= count ? kTexts[value - 1] : nullptr;
}
