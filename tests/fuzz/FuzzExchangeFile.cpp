// The exchange data file of one record kind (FUZZ_KIND: 1 contacts, 2
// calendar, 4 tasks, 8 notes), read as the wizard and a helper host read it.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNTask.h"

namespace {

#if FUZZ_KIND == 1
using Util = CxLNAddrUtil;
#elif FUZZ_KIND == 2
using Util = CxLNDateUtil;
#elif FUZZ_KIND == 4
using Util = CxLNTaskUtil;
#else
using Util = CxLNNoteUtil;
#endif

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const bool quiet = (fuzz::QuietLog(), true);
    (void)quiet;
    Util util;
    util.SetTempFilePath(fuzz::InputFolder().c_str());
    fuzz::WriteInput(data, size, util.GetFileName());
    // Its status and error files are not ours to remove.
    util.SetStatusFile("");
    util.SetErrorFile("");
    if (util.LoadFromFile(nullptr))
        util.SaveToFile("again.dat"); // what was read can be written back
    return 0;
}
