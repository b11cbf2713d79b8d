// The error file a helper host leaves, read as the wizard reads it.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "common/lotus/exchange/CxLNErrorFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::WriteInput(data, size, "LNAddrErr.dat");
    CxLNErrorFile file(fuzz::InputFolder().c_str(), "LNAddrErr.dat");
    char text[1024];
    const int count = file.ReadCount();
    file.ReadError(count, text, sizeof text);
    file.ReadError(1, text, sizeof text);
    file.ReadNotice(text, sizeof text);
    file.HasCount();
    return 0;
}
