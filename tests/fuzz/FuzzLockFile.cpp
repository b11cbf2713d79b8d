// The data folder's lock file as the run that takes the folder reads what
// the holder before it left there.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "platform/FolderLock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "LNRun.lock");
    platform::CxFolderLock lock;
    if (lock.Take(path, "fuzz", false, {}, nullptr, nullptr) == platform::CxFolderLock::Result::Taken)
        lock.SetDoing(lock.Previous().sDoing);
    return 0;
}
