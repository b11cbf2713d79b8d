// Notes time texts as ConvertTextToTIMEDATE reads them; a time it reads is
// written as text and read back to the same time.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "tests/notesapi/NotesApi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > MAXWORD)
        return 0;
    std::vector<char> text(data, data + size);
    char* cursor = text.data();
    TIMEDATE time;
    if (ConvertTextToTIMEDATE(nullptr, nullptr, &cursor, static_cast<WORD>(size), &time) != NOERROR)
        return 0;
    fuzz::Check(cursor >= text.data() && cursor <= text.data() + size);
    char written[MAXALPHATIMEDATE];
    WORD length = 0;
    // Every time it reads, it can write.
    fuzz::Check(ConvertTIMEDATEToText(nullptr, nullptr, &time, written, sizeof written, &length) ==
                NOERROR);
    char* again = written;
    TIMEDATE back;
    fuzz::Check(ConvertTextToTIMEDATE(nullptr, nullptr, &again, length, &back) == NOERROR &&
                std::memcmp(&back, &time, sizeof time) == 0);
    return 0;
}
