// The status file a helper host keeps, read as the wait window reads it.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzSupport.h"
#include "common/lotus/exchange/CxLNStatusFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "LNAddrStatus.dat");
    char line[256];
    fuzz::Check(!LNReadStatusLine(path.c_str(), line, sizeof line) ||
                std::strlen(line) < sizeof line);
    return 0;
}
