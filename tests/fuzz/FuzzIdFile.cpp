// A Notes ID file, read as the stand-in reads it to tell its user.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "notesapi/src/IdFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "user.id");
    std::string user;
    zns::ReadIdFileUser(path, user);
    return 0;
}
