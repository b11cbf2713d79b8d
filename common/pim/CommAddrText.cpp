// Contact catalogue lookup and text forms (wizard build).
#include <cstring>

#include "common/misc/CxDateTime.h"
#include "common/misc/CxString.h"
#include "common/pim/CommAddrCatalog.h"
#include "common/pim/CommAddrMgr.h"
#include "common/pim/CommFieldText.h"

namespace {

enum { KEY_GENDER = 8, KEY_SOURCE_TYPE = 78 };

bool HasNoText(int key) {
    static const int kKeys[] = {38, 39, 61, 62, 79, 80, 81};
    for (int k : kKeys)
        if (k == key)
            return true;
    return false;
}

bool IntText(int key, int32_t value, char* buffer, std::size_t size) {
    if (key == KEY_GENDER)
        return true;
    if (key != KEY_SOURCE_TYPE)
        return false;
    const char* text = CommSourceTypeText(value);
    if (!text)
        return false;
    CxStrCopy(buffer, size, text);
    return true;
}

bool DateText(double value, char* buffer, std::size_t size) {
    char text[32];
    CxDateTime(value).FormatDateTime(text);
    CxStrCopy(buffer, size, text);
    return true;
}

} // namespace

bool CommAddrMgr::GetCommFieldInfo(int key, tagCommFieldInfo* row) {
    const tagCommAddrField* field = FindCommAddrField(key);
    if (!row || !field)
        return false;
    *row = field->info;
    return true;
}

bool CommAddrMgr::GetCommFieldText(const tagCommAddrRec* record, const tagCommFieldInfo* row,
                                   char* buffer, std::size_t size) {
    if (!record || !row || !CommBeginText(buffer, size))
        return false;
    const tagCommAddrField* field = FindCommAddrField(row->nKey);
    if (!field || static_cast<std::size_t>(field->info.nSize) >= size || HasNoText(row->nKey))
        return false;
    const char* at = reinterpret_cast<const char*>(record) + field->nOffset;
    switch (field->info.nType) {
    case COMM_FIELD_TEXT:
        CxStrCopyN(buffer, size, at, static_cast<std::size_t>(field->info.nSize - 1));
        return true;
    case COMM_FIELD_DATE: {
        double value;
        std::memcpy(&value, at, sizeof value);
        return DateText(value, buffer, size);
    }
    default: {
        int32_t value;
        std::memcpy(&value, at, sizeof value);
        return IntText(row->nKey, value, buffer, size);
    }
    }
}
