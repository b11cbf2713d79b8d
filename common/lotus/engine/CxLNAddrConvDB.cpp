// Common contact to Notes contact.
#include "common/lotus/exchange/CxLNAddr.h"

#include "common/lotus/exchange/CxLNAddrMap.h"
#include "common/lotus/exchange/CxLNText.h"

bool CxLNAddrUtil::FromCommRec(tagCommAddrRec* common, tagCxLNAddrRec* notes) {
    if (!common || !notes)
        return false;
    const char* from = reinterpret_cast<const char*>(common);
    char* to = reinterpret_cast<char*>(notes);
    for (std::size_t i = 0; i < kLNAddrTextMapCount; ++i) {
        const tagLNAddrTextMap& row = kLNAddrTextMap[i];
        LNCopyText(to + row.nNotesOffset, row.nNotesSize, from + row.nCommOffset, row.nCommSize,
                   row.nToNotes);
    }
    notes->dtBirthday = common->dtBirthday;
    notes->dtAnniversary = common->dtAnniversary;
    return true;
}
