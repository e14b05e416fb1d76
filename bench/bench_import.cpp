// Importing 1,000 watch files (an hour's run each, a record every second),
// against only reading the same files' bytes.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "import/fit_reader.h"
#include "import/import_file.h"
#include "import/import_plan.h"
#include "log/log_reader.h"

namespace {

constexpr int kFiles = 1000;
constexpr int kRecords = 3600;
constexpr std::uint32_t kFirstStart = 1078300800;  // 2024-03-02 08:00 UTC in FIT seconds

class FitWriter {
public:
    void u8(unsigned v) { bytes.push_back(static_cast<char>(v & 0xFF)); }
    void u16(unsigned v) { u8(v), u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
    // A definition: local type, global number, then (number, size, base type) triples.
    void define(unsigned local, unsigned global, std::initializer_list<std::array<unsigned, 3>> fields)
    {
        u8(0x40 | local), u8(0), u8(0), u16(global), u8(static_cast<unsigned>(fields.size()));
        for (const auto& field : fields)
            u8(field[0]), u8(field[1]), u8(field[2]);
    }
    std::string file() const
    {
        std::string out;
        auto put = [&out](unsigned v) { out.push_back(static_cast<char>(v & 0xFF)); };
        put(12), put(0x20), put(0x08), put(0x52);
        const auto size = static_cast<std::uint32_t>(bytes.size());
        put(size), put(size >> 8), put(size >> 16), put(size >> 24);
        out += ".FIT";
        out += bytes;
        const std::uint16_t crc = fitCrc(0, reinterpret_cast<const unsigned char*>(out.data()), out.size());
        put(crc), put(crc >> 8);
        return out;
    }
    std::string bytes;
};

// One run of an hour, started on the given day after the first.
std::string runFile(int day)
{
    FitWriter fit;
    const std::uint32_t start = kFirstStart + static_cast<std::uint32_t>(day) * 86400u;
    fit.define(0, 0, {{{0, 1, 0}}, {{1, 2, 0x84}}, {{4, 4, 0x86}}});
    fit.u8(0), fit.u8(4), fit.u16(1), fit.u32(start);
    fit.define(1, 20,
               {{{253, 4, 0x86}},
                {{0, 4, 0x85}},
                {{1, 4, 0x85}},
                {{5, 4, 0x86}},
                {{2, 2, 0x84}},
                {{6, 2, 0x84}},
                {{3, 1, 0x02}},
                {{4, 1, 0x02}}});
    for (int i = 0; i < kRecords; ++i) {
        fit.u8(1), fit.u32(start + static_cast<std::uint32_t>(i));
        fit.u32(625000000 + static_cast<std::uint32_t>(i) * 100),
            fit.u32(160000000 + static_cast<std::uint32_t>(i) * 90);
        fit.u32(static_cast<std::uint32_t>(i) * 278), fit.u16(2600), fit.u16(2780), fit.u8(150), fit.u8(85);
    }
    fit.define(2, 18, {{{253, 4, 0x86}}, {{2, 4, 0x86}}, {{5, 1, 0}}, {{7, 4, 0x86}}, {{8, 4, 0x86}}, {{9, 4, 0x86}}});
    fit.u8(2), fit.u32(start + kRecords), fit.u32(start), fit.u8(1), fit.u32(kRecords * 1000u),
        fit.u32(kRecords * 1000u), fit.u32(kRecords * 278u);
    fit.define(3, 34, {{{253, 4, 0x86}}, {{1, 2, 0x84}}, {{5, 4, 0x86}}});
    fit.u8(3), fit.u32(start + kRecords), fit.u16(1), fit.u32(start + kRecords + 3600);
    return fit.file();
}

struct WatchFiles {
    TempFolder folder;
    std::vector<std::string> paths;
    std::size_t totalBytes = 0;
    WatchFiles()
    {
        for (int i = 0; i < kFiles; ++i) {
            paths.push_back(folder.file("run" + std::to_string(i) + ".fit"));
            const std::string bytes = runFile(i);
            std::ofstream(paths.back(), std::ios::binary) << bytes;
            totalBytes += bytes.size();
        }
    }
};

const WatchFiles& watchFiles()
{
    static const WatchFiles files;
    return files;
}

std::unique_ptr<LogStore> runningLog()
{
    auto store = std::make_unique<LogStore>();
    store->sportCount = 1;
    store->sports[1].name = "Running";
    store->sports[1].letter = 'R';
    store->sports[1].distanceUnits = DistanceUnit::Kilometers;
    store->sports[1].paceUnits = PaceUnit::MinPerKm;
    return store;
}

// The floor: every file opened and read whole into memory.
void BM_ReadWatchFileBytes(benchmark::State& state)
{
    const WatchFiles& files = watchFiles();
    std::string buffer;
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const std::string& path : files.paths) {
            int error = 0;
            benchmark::DoNotOptimize(readWholeFile(path, buffer, error));
            bytes += buffer.size();
        }
    }
    if (bytes != files.totalBytes)
        state.SkipWithError("the files did not read whole");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.totalBytes));
}

// As orvanta import does it, short of saving: every file read and decoded,
// the workouts turned into entries, checked for duplicates and placed.
void BM_ImportWatchFiles(benchmark::State& state)
{
    const WatchFiles& files = watchFiles();
    auto store = runningLog();
    int added = 0;
    for (auto _ : state) {
        store->entryCount = 0;
        std::vector<FileSummaries> read;
        read.reserve(files.paths.size());
        for (const std::string& path : files.paths)
            read.push_back(readWorkoutFile(path));
        std::vector<LogEntry> entries;
        for (const ImportCandidate& candidate : planImport(read, *store, {}))
            if (candidate.verdict == ImportVerdict::Add)
                entries.push_back(candidate.entry);
        added = addImported(*store, std::move(entries));
    }
    if (added != kFiles)
        state.SkipWithError("not every file gave its entry");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.totalBytes));
    state.counters["entries"] = added;
}

BENCHMARK(BM_ReadWatchFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportWatchFiles)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runBenchmarksWithRatios(argc, argv, {{"BM_ImportWatchFiles", "BM_ReadWatchFileBytes"}});
}
