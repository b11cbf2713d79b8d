// Initialisation files (settings, registry, error files) as the profile
// reader reads them; the first bytes choose the section and key asked for.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const char* const kSections[] = {"LN-VX", "Error",
                                            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes", ""};
    static const char* const kKeys[] = {"AppFlag", "Error.Count", "Error.1", "Path", "Notice"};
    const uint8_t choice = size ? data[0] : 0;
    const std::string path = fuzz::WriteInput(data, size, "test.ini");
    const char* section = kSections[choice % 4];
    const char* key = kKeys[(choice / 4) % 5];
    char small[8], large[1024];
    platform::GetProfileString(path.c_str(), section, key, "default", small, sizeof small);
    platform::GetProfileString(path.c_str(), section, key, nullptr, large, sizeof large);
    std::string whole;
    platform::ReadProfileValue(path.c_str(), section, key, &whole);
    return 0;
}
