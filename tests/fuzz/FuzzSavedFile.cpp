// The record of what the front end wrote into the exchange file, read as a
// write-back's helper reads it.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "common/lotus/exchange/CxLNSavedFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "LNAddr.dat.saved");
    tagLNSaved saved;
    std::string why;
    if (LNReadSavedFile(path, &saved, &why))
        LNWriteSavedFile(fuzz::InputFolder() + "again.saved", saved);
    tagLNSaved measured;
    LNMeasureExchangeFile(path, &measured);
    return 0;
}
