// Notes time texts as ConvertTextToTIMEDATE reads them; a time it reads is
// written as text and read back to the same time.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/notesapi/NotesApi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > MAXWORD)
        return 0;
    std::vector<char> text(data, data + size);
    char* cursor = text.data();
    TIMEDATE time;
    if (ConvertTextToTIMEDATE(nullptr, nullptr, &cursor, static_cast<WORD>(size), &time) != NOERROR)
        return 0;
    if (cursor < text.data() || cursor > text.data() + size)
        __builtin_trap();
    char written[MAXALPHATIMEDATE];
    WORD length = 0;
    if (ConvertTIMEDATEToText(nullptr, nullptr, &time, written, sizeof written, &length) != NOERROR)
        __builtin_trap(); // every time it reads, it can write
    char* again = written;
    TIMEDATE back;
    if (ConvertTextToTIMEDATE(nullptr, nullptr, &again, length, &back) != NOERROR ||
        std::memcmp(&back, &time, sizeof time) != 0)
        __builtin_trap();
    return 0;
}
