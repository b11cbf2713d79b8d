// An updates file of vxln-batch (--updates), read and each update checked
// against every kind's field list, as a run does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "wizard/batch/BatchKinds.h"
#include "wizard/batch/BatchUpdates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "updates.txt");
    std::vector<tagBatchUpdateSpec> specs;
    std::string error;
    if (!ReadBatchUpdatesFile(path, &specs, &error))
        return 0;
    for (const char* name : {"contacts", "calendar", "tasks"}) {
        const tagBatchKind* kind = FindBatchKind(name);
        for (const tagBatchUpdateSpec& spec : specs) {
            tagFUFieldUpdate def;
            ParseBatchUpdate(*kind, spec, &def, &error);
        }
    }
    return 0;
}
