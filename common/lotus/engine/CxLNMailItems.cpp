#include "CxLNMailItems.h"

#include <cstring>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNCommon.h"
#include "common/lotus/engine/CxLNRichText.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

uint8_t LNIsPrivate(const char* value, std::size_t length) {
    return length > 0 && value && value[0] == '1' ? 0 : 1;
}

bool LNMailTakesType(WORD type) {
    return type == TYPE_TEXT || type == TYPE_TIME || type == TYPE_NUMBER || type == TYPE_COMPOSITE;
}

bool LNReadMailValue(const tagLNMailField& field, void* rec, WORD type, const char* value,
                     std::size_t length) {
    char* target = static_cast<char*>(rec) + field.nOffset;
    switch (field.nValue) {
    case LN_VALUE_BODY:
        if (type == TYPE_COMPOSITE) {
            LNRichTextToText(value, length, target, field.nSize);
            break;
        }
        [[fallthrough]];
    case LN_VALUE_TEXT:
        if (type == TYPE_TEXT && length > 0)
            CxStrCopyN(target, field.nSize, value, length);
        break;
    case LN_VALUE_TIME:
        if (type == TYPE_TIME && length >= sizeof(TIMEDATE)) {
            TIMEDATE time;
            std::memcpy(&time, value, sizeof time);
            TIMEDATEToVariantTime(&time, reinterpret_cast<double*>(target));
        }
        break;
    case LN_VALUE_NONE:
        break;
    default:
        return false;
    }
    return true;
}

void LNNewText(NOTEHANDLE note, const char* item, const char* text) {
    STATUS status = LNApi().NSFItemSetText(note, item, text, static_cast<WORD>(std::strlen(text)));
    if (status != NOERROR)
        CX_LOG_ERROR("Failed to call NSFItemSetText, error code=%d", status);
}

void LNNewNumber(NOTEHANDLE note, const char* item, NUMBER number) {
    STATUS status = LNApi().NSFItemSetNumber(note, item, &number);
    if (status != NOERROR)
        CX_LOG_ERROR("Failed to call NSFItemSetNumber, error code=%d", status);
}

void LNNewMailItems(NOTEHANDLE note, const char* orgTable, bool isPrivate) {
    LNNewNumber(note, "$Alarm", 1);
    LNNewText(note, "$AlarmDescription", "Ring Me");
    LNNewNumber(note, "$AlarmOffset", -5);
    LNNewText(note, "ORGTABLE", orgTable);
    LNNewText(note, "$PublicAccess", isPrivate ? "0" : "1");
    LNNewText(note, "From", "From");
    LNNewText(note, "SendTo", "");
    LNNewNumber(note, "_ViewIcon", 160);
}
