#include "notesapi/src/RichTextRecords.h"

#include "notesapi/src/Api.h"
#include "notesapi/src/Text.h"

namespace zns {

namespace {

// The signature's high byte tells the length field: 0xFF a WORD, 0 a DWORD,
// anything else is itself the length.
std::size_t RecordLength(const uint8_t* p, std::size_t left) {
    if (left < 2)
        return 0;
    std::size_t length = p[1];
    if (p[1] == 0xff)
        length = left < 4 ? 0 : GetWord(p + 2);
    else if (p[1] == 0)
        length = left < 6 ? 0 : GetDword(p + 2);
    return length >= 2 && length <= left ? length : 0;
}

} // namespace

bool ForEachRecord(const uint8_t* value, std::size_t size,
                   const std::function<void(const uint8_t* record, std::size_t length)>& visit) {
    std::size_t at = 0;
    while (at < size) {
        const std::size_t length = RecordLength(value + at, size - at);
        if (length == 0)
            return false;
        visit(value + at, length);
        at += length + (length & 1);
    }
    return true;
}

bool IsTextRun(const uint8_t* record, std::size_t length) {
    return GetWord(record) == SIG_CD_TEXT && length >= kTextRunHeader;
}

bool IsParagraph(const uint8_t* record, std::size_t length) {
    return record[0] == SIG_CD_PARAGRAPH && length == 2;
}

} // namespace zns
