// A contacts exchange file read and written by the records' own code, beside
// the floor of moving its bytes in 64 KiB blocks as cat does. The ratio of the
// two is the cost of the typed fields and the fixed buffers they fill.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "BenchContacts.h"
#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxString.h"

namespace {

constexpr std::size_t kBlock = 64 * 1024;

struct ExchangeFile {
    testsupport::TempDir dir;
    std::string path;
    int count;

    explicit ExchangeFile(int n) : path(dir.File("LNAddr.dat")), count(n) {
        CxLNAddrUtil util;
        util.SetTempFilePath(dir.Folder().c_str());
        tagCxLNAddrRec rec;
        for (int i = 0; i < n; ++i) {
            FillContact(&rec, i);
            util.AddRec(&rec);
        }
        util.SaveToFile(nullptr);
    }

    int64_t Bytes() const { return CxFile::GetFileSize(path.c_str()); }
};

void BM_ReadBytes(benchmark::State& state) {
    ExchangeFile file(static_cast<int>(state.range(0)));
    std::vector<char> block(kBlock);
    for (auto _ : state) {
        const int fd = open(file.path.c_str(), O_RDONLY);
        while (read(fd, block.data(), block.size()) > 0) {
        }
        close(fd);
    }
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

// Every field read into one record's fixed buffers, none kept: the reading
// the write-back's helper does for a record without work.
void BM_ReadRecords(benchmark::State& state) {
    ExchangeFile file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CxLNAddrUtil util;
        util.SetTempFilePath(file.dir.Folder().c_str());
        benchmark::DoNotOptimize(util.LoadFromFile(nullptr, true));
    }
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

// The fixed buffers alone: one record zeroed for each record of the file, as
// a read does before it fills the fields.
void BM_ZeroRecords(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    tagCxLNAddrRec rec;
    for (auto _ : state)
        for (int i = 0; i < count; ++i) {
            CxLNAddrUtil::InitRec(&rec);
            benchmark::DoNotOptimize(rec);
        }
}

// The front end's load: every record kept with its common record.
void BM_LoadRecords(benchmark::State& state) {
    ExchangeFile file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CxLNAddrUtil util;
        util.SetTempFilePath(file.dir.Folder().c_str());
        benchmark::DoNotOptimize(util.LoadFromFile(nullptr));
    }
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

void BM_WriteBytes(benchmark::State& state) {
    ExchangeFile file(static_cast<int>(state.range(0)));
    std::vector<char> block(kBlock, 'x');
    const std::string out = file.dir.File("copy.dat");
    const int64_t bytes = file.Bytes();
    for (auto _ : state) {
        const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        for (int64_t left = bytes; left > 0; left -= static_cast<int64_t>(kBlock))
            benchmark::DoNotOptimize(
                write(fd, block.data(), left < static_cast<int64_t>(kBlock) ? left : kBlock));
        close(fd);
    }
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

void BM_WriteRecords(benchmark::State& state) {
    ExchangeFile file(static_cast<int>(state.range(0)));
    CxLNAddrUtil util;
    util.SetTempFilePath(file.dir.Folder().c_str());
    util.LoadFromFile(nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(util.SaveToFile("copy.dat"));
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

BENCHMARK(BM_ReadBytes)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRecords)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZeroRecords)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadRecords)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBytes)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRecords)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
