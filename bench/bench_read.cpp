// Opening the largest log the program accepts, against a memchr scan of the
// same bytes for their line ends.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_support.h"
#include "log/log_reader.h"
#include "make_large_log.h"

namespace {

struct LargeLog {
    TempFolder folder;
    std::string path = folder.file("Large.dat");
    std::string bytes;
    LargeLog()
    {
        if (writeLargeLog(path))
            bytes = fileBytes(path);
    }
};

const LargeLog& largeLog()
{
    static const LargeLog log;
    return log;
}

void BM_ReadLog(benchmark::State& state)
{
    const LargeLog& log = largeLog();
    auto store = std::make_unique<LogStore>();
    if (std::string error = openLog(log.path, *store); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    SilentPrompt prompt;
    for (auto _ : state) {
        // As File > Open does it: the counts are cleared, then the file read.
        store->clearForRead();
        store->fileName = log.path;
        ReadResult result = readLog(*store, prompt);
        benchmark::DoNotOptimize(result);
    }
    if (store->entryCount != kLargeLogEntries || !prompt.messages.empty())
        state.SkipWithError("a read did not give the whole log silently");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.bytes.size()));
    state.counters["entries"] = store->entryCount;
}

// Only the reading of the file into one buffer, without any parsing.
void BM_ReadWholeFile(benchmark::State& state)
{
    const LargeLog& log = largeLog();
    std::string buffer;
    for (auto _ : state) {
        int error = 0;
        bool ok = readWholeFile(log.path, buffer, error);
        benchmark::DoNotOptimize(ok);
    }
    if (buffer != log.bytes)
        state.SkipWithError("readWholeFile did not give the file's bytes");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.bytes.size()));
}

// The floor: the line ends of the log, already in memory, found with memchr.
void BM_ScanLineEnds(benchmark::State& state)
{
    const LargeLog& log = largeLog();
    if (log.bytes.empty()) {
        state.SkipWithError("the large log could not be written");
        return;
    }
    for (auto _ : state) {
        std::size_t lines = countLineEnds(log.bytes);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.bytes.size()));
}

BENCHMARK(BM_ScanLineEnds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadWholeFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadLog)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return runBenchmarksWithRatios(argc, argv,
                                   {{"BM_ReadLog", "BM_ScanLineEnds"}, {"BM_ReadWholeFile", "BM_ScanLineEnds"}});
}
