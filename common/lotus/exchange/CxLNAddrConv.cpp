// Notes contact to common contact.
#include "CxLNAddr.h"

#include "common/lotus/exchange/CxLNAddrMap.h"
#include "common/lotus/exchange/CxLNText.h"

bool CxLNAddrUtil::ToCommRec(tagCxLNAddrRec* notes, tagCommAddrRec* common) {
    if (!notes || !common)
        return false;
    const char* from = reinterpret_cast<const char*>(notes);
    char* to = reinterpret_cast<char*>(common);
    for (std::size_t i = 0; i < kLNAddrTextMapCount; ++i) {
        const tagLNAddrTextMap& row = kLNAddrTextMap[i];
        LNCopyText(to + row.nCommOffset, row.nCommSize, from + row.nNotesOffset, row.nNotesSize,
                   row.nToComm);
    }
    common->dtBirthday = notes->dtBirthday;
    common->dtAnniversary = notes->dtAnniversary;
    common->nSourceType = 9;
    return true;
}
