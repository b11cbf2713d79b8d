// The exchange file of an undo: the request as the helper reads it, the
// outcome as the front end reads it.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "LNUndo.jsonl");
    std::string run;
    bool dryRun = false;
    LNReadUndoRequest(path, &run, &dryRun);
    tagLNUndoResult result;
    LNReadUndoResult(path, &result);
    return 0;
}
