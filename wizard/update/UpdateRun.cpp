#include "UpdateRun.h"

#include "common/misc/CxList.h"
#include "common/pim/CommRecords.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

template <class Engine>
void UpdateOne(Engine& engine, typename Engine::Record* record, CxList& definitions) {
    engine.ApplyUpdates(record, definitions);
    if (definitions.GetCount() > 0)
        engine.MarkChanged(record);
}

template <class CommRec, class Engine>
uint32_t RunAll(CxList* selected, CxList* definitions, Engine* engine,
                const FUProgressFn& progress) {
    if (!selected || !definitions || !engine)
        return 0;
    const uint32_t count = selected->GetCount();
    uint32_t updated = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const CommRec* common = static_cast<const CommRec*>(selected->GetAt(i));
        auto* record = common ? static_cast<typename Engine::Record*>(common->pUserData) : nullptr;
        if (record) {
            UpdateOne(*engine, record, *definitions);
            ++updated;
        }
        if (progress)
            progress(i, count);
    }
    return updated;
}

} // namespace

uint32_t RunFieldUpdates(CxList* selected, CxList* definitions, CxVXLNAddrUtil* engine,
                         const FUProgressFn& progress) {
    return RunAll<tagCommAddrRec>(selected, definitions, engine, progress);
}

uint32_t RunFieldUpdates(CxList* selected, CxList* definitions, CxVXLNDateUtil* engine,
                         const FUProgressFn& progress) {
    return RunAll<tagCommDateRec>(selected, definitions, engine, progress);
}

uint32_t RunFieldUpdates(CxList* selected, CxList* definitions, CxVXLNTaskUtil* engine,
                         const FUProgressFn& progress) {
    return RunAll<tagCommTaskRec>(selected, definitions, engine, progress);
}
