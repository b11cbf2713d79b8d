// A batch update of thousands of contacts as the wizard runs it: the exchange
// file read, the definitions applied to every record, the file written back.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "wizard/update/UpdateRun.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/update/Vxlnaddr.h"

namespace {

void WriteContacts(const testsupport::TempDir& dir, int count) {
    CxLNAddrUtil util;
    util.SetTempFilePath(dir.Folder().c_str());
    for (int i = 0; i < count; ++i) {
        tagCxLNAddrRec rec;
        CxLNAddrUtil::InitRec(&rec);
        CxStrFormat(rec.szID, sizeof rec.szID, "%d", i + 1);
        CxStrFormat(rec.szFirstName, sizeof rec.szFirstName, "First%d", i);
        CxStrCopy(rec.szLastName, "Smith");
        CxStrCopy(rec.szBusinessStreet, "1 Main Street, Suite 100, Main Street Plaza");
        CxStrCopy(rec.szNote, std::string(2000, 'n').c_str());
        util.AddRec(&rec);
    }
    util.SaveToFile(nullptr);
}

tagFUFieldUpdate Definition(int key, int op, const char* find, const char* value) {
    tagFUFieldUpdate def{};
    def.nFieldKey = key;
    def.nOperation = op;
    CxStrCopy(def.szFind, find);
    CxStrCopy(def.szValue, value);
    return def;
}

void BM_LoadUpdateSave(benchmark::State& state) {
    testsupport::TempDir dir;
    const int count = static_cast<int>(state.range(0));
    WriteContacts(dir, count);
    tagFUFieldUpdate defs[] = {Definition(3, FU_OP_SET, "", "Miller"),
                               Definition(17, FU_OP_REPLACE, "Street", "St."),
                               Definition(44, FU_OP_APPEND, "", " (checked)")};
    for (auto _ : state) {
        CxLNAddrUtil util;
        util.SetTempFilePath(dir.Folder().c_str());
        util.LoadFromFile(nullptr);
        CxList definitions, selected;
        for (tagFUFieldUpdate& d : defs)
            definitions.Add(&d);
        CommAddrMgr* mgr = util.GetDataMgr();
        for (tagCommAddrRec* c = mgr->GetFirstRec(); c; c = mgr->GetNextRec())
            selected.Add(c);
        CxVXLNAddrUtil engine;
        benchmark::DoNotOptimize(RunFieldUpdates(&selected, &definitions, &engine));
        util.SaveToFile("LNAddr.out");
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LoadUpdateSave)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
