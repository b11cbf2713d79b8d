// The load information beside an exchange file, read as a write-back's helper
// reads it and as the front end reads its head.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "common/lotus/exchange/CxLNLoadFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "LNAddr.dat.seq");
    tagLNLoadHead head;
    tagLNLoadState state;
    std::string why;
    LNReadLoadHead(path, &head, &why);
    if (LNReadLoadFile(path, "contacts", "names.nsf", &state, &why) == LNLoadFileRead::Read)
        LNWriteLoadFile(fuzz::InputFolder() + "again.seq", "contacts", "names.nsf", state);
    return 0;
}
