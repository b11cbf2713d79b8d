#include "CxLNMailItems.h"

#include <cstring>

#include "common/lotus/CxLNApi.h"
#include "common/misc/CxDebugUtil.h"

uint8_t LNIsPrivate(const char* value, std::size_t length) {
    return length > 0 && value && value[0] == '1' ? 0 : 1;
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
