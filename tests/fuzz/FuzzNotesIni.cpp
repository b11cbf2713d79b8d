// notes.ini as the Notes C API stand-in reads it at API start.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "notesapi/src/Ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "notes.ini");
    zns::IniFile ini;
    if (!ini.Load(path))
        return 0;
    std::string value;
    ini.Get("Notes", "Directory", value);
    ini.Get("Notes", "KeyFilename", value);
    ini.Entries("Servers");
    return 0;
}
