// A run's journal, read as vxln-batch lists it and as an undo's helper reads
// it back into its plan.
#include <cstddef>
#include <cstdint>
#include <sys/stat.h>

#include "FuzzSupport.h"
#include "common/lotus/engine/CxLNUndo.h"
#include "common/lotus/exchange/CxLNJournalList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const bool ready = (fuzz::QuietLog(),
                               mkdir((fuzz::InputFolder() + "journal").c_str(), 0700), true);
    (void)ready;
    fuzz::WriteInput(data, size, "journal/fuzzed.jsonl");
    LNListJournalRuns(fuzz::InputFolder());
    tagLNJournalRun run;
    LNReadJournalRun(fuzz::InputFolder(), "fuzzed", &run);
    tagLNUndoPlan plan;
    std::string error;
    LNReadUndoPlan(fuzz::InputFolder(), "fuzzed", &plan, &error);
    return 0;
}
