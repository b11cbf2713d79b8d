// notesdb's import text: documents as blocks of "Item: value" lines.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "notesapi/notesdb/DumpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<DbNote> notes;
    std::string error;
    if (!ReadDump(in, &notes, &error))
        return 0;
    // What it read, it writes so that it reads back the same.
    std::ostringstream out;
    for (const DbNote& note : notes)
        WriteDump(out, note);
    std::istringstream again(out.str());
    std::vector<DbNote> back;
    fuzz::Check(ReadDump(again, &back, &error) && back.size() == notes.size());
    return 0;
}
