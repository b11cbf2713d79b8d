// A values file of 100,000 rows matched against 100,000 loaded contacts,
// each step on its own beside the front end's load of the same contacts:
// reading the file, checking it into a table, matching its keys, and
// applying its values to every matched record.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "BenchContacts.h"
#include "TestSupport.h"
#include "common/misc/CxList.h"
#include "tests/wizard/FakeNotes.h"
#include "wizard/controller/ValuesFile.h"
#include "wizard/controller/ValuesImport.h"
#include "wizard/controller/ValuesMatch.h"
#include "wizard/controller/WizardKinds.h"
#include "wizard/controller/WizardSelection.h"
#include "wizard/controller/WizardUpdate.h"
#include "wizard/controller/WizardValues.h"
#include "wizard/update/VxValueTable.h"
#include "wizard/update/Vxlnaddr.h"

namespace {

constexpr int kCount = 100000;

// The controller after a load of `n` contacts from a prepared exchange file.
struct Loaded {
    testsupport::IsolatedEnv env;
    FakeFactory factory;
    CxWizardController c;

    explicit Loaded(int n) {
        c.SetDataFactory(&factory);
        c.SetPause([](int) {});
        c.Start();
        CxLNAddrUtil writer;
        writer.SetTempFilePath(c.GetDataFolderPath());
        tagCxLNAddrRec rec;
        for (int i = 0; i < n; ++i) {
            FillContact(&rec, i);
            writer.AddRec(&rec);
        }
        writer.SaveToFile(nullptr);
        c.GetSettings().AppFlag = LN_KIND_ADDR;
        CxStrCopy(c.GetSettings().AddrFile, "names.nsf");
        c.LoadNotesData();
    }
};

Loaded& Contacts() {
    static Loaded loaded(kCount);
    return loaded;
}

// A key for every contact, in another case and with blanks for half of them.
const std::string& ValuesText() {
    static const std::string text = [] {
        std::string bytes = "Business Email,Job Title,Business Phone,Birth Date\r\n";
        for (int i = 0; i < kCount; ++i)
            bytes += (i % 2 ? " FIRST" : "first") + std::to_string(i) +
                     ".ivanova@work.example.com,\"Title, " + std::to_string(i) + "\",+1 555 " +
                     std::to_string(i) + "," + (i % 5 ? "" : "1980-02-29") + "\r\n";
        return bytes;
    }();
    return text;
}

tagValuesFile ParsedFile() {
    tagValuesFile file;
    std::string error;
    ParseValuesText(ValuesText(), "values.csv", "", &file, &error);
    return file;
}

std::shared_ptr<CxFUValueTable> Table(const tagValuesFile& file) {
    const tagWizardKind& kind = *GetWizardKind(LN_KIND_ADDR);
    tagValuesPlan plan = PlanValuesByName(file, kind);
    plan.nKeyColumn = 0;
    std::shared_ptr<CxFUValueTable> table;
    std::vector<std::string> errors;
    BuildValuesTable(file, plan, kind, &table, &errors);
    return table;
}

void BM_LoadContacts(benchmark::State& state) {
    Loaded& loaded = Contacts();
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded.c.LoadNotesData());
    state.SetItemsProcessed(state.iterations() * kCount);
}

void BM_ReadValuesFile(benchmark::State& state) {
    const std::string& bytes = ValuesText();
    for (auto _ : state) {
        tagValuesFile file;
        std::string error;
        benchmark::DoNotOptimize(ParseValuesText(bytes, "values.csv", "", &file, &error));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_CheckValues(benchmark::State& state) {
    const tagValuesFile file = ParsedFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(Table(file));
    state.SetItemsProcessed(state.iterations() * kCount);
}

void BM_MatchValues(benchmark::State& state) {
    Loaded& loaded = Contacts();
    const std::shared_ptr<CxFUValueTable> table = Table(ParsedFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(MatchValues(loaded.c, *table).nRecords);
    state.SetItemsProcessed(state.iterations() * kCount);
}

void BM_ApplyValues(benchmark::State& state) {
    Loaded& loaded = Contacts();
    const std::shared_ptr<CxFUValueTable> table = Table(ParsedFile());
    ImportWizardValues(loaded.c, table);
    const tagValuesMatch match = MatchValues(loaded.c, *table);
    loaded.c.GetSelectedRecords()->RemoveAll(false);
    for (const tagLNHeld& record : match.records)
        SelectHeld(loaded.c, record);
    // As the wizard's update walks them: one record at a time, those the
    // store keeps read and kept changed.
    for (auto _ : state)
        benchmark::DoNotOptimize(ApplyWizardUpdates(loaded.c, nullptr).nUpdated);
    state.SetItemsProcessed(state.iterations() * kCount);
}

} // namespace

BENCHMARK(BM_LoadContacts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadValuesFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckValues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchValues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyValues)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
