// Saving the largest log the program accepts as a complete log, against one
// fwrite and fsync of the same bytes plus a memchr scan for their line ends.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench_support.h"
#include "log/log_writer.h"
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

// The large log as it is saved with the given backup preference (its second one).
std::string withBackupPreference(std::string bytes, int backupCopy)
{
    const std::string line = "Preferences: 1  1  ";
    std::size_t at = bytes.find(line);
    if (at != std::string::npos)
        bytes[at + line.size() - 3] = static_cast<char>('0' + backupCopy);
    return bytes;
}

// backupCopy is the log's own preference: 1 makes a .bak copy before each save.
void saveLargeLog(benchmark::State& state, int backupCopy)
{
    const LargeLog& log = largeLog();
    auto store = std::make_unique<LogStore>();
    if (std::string error = openLog(log.path, *store); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    store->preferences.values[1] = backupCopy;
    SilentPrompt prompt;
    MemorySettingsStore settings;
    SaveContext context{prompt, settings, {}};
    const std::string target = log.folder.file(backupCopy == 1 ? "SavedWithBackup.dat" : "Saved.dat");
    for (auto _ : state) {
        bool ok = saveLog(*store, target, false, SaveFormat::CompleteLog, context);
        benchmark::DoNotOptimize(ok);
    }
    if (!prompt.messages.empty())
        state.SkipWithError(("saveLog showed \"" + prompt.messages.front() + "\"").c_str());
    else if (fileBytes(target) != withBackupPreference(log.bytes, backupCopy))
        state.SkipWithError("the saved log differs from the one read");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.bytes.size()));
}

void BM_SaveLog(benchmark::State& state)
{
    saveLargeLog(state, 1);
}
void BM_SaveLogNoBackup(benchmark::State& state)
{
    saveLargeLog(state, 2);
}

// Only the text of the complete log, in memory.
void BM_ComposeLog(benchmark::State& state)
{
    const LargeLog& log = largeLog();
    auto store = std::make_unique<LogStore>();
    if (std::string error = openLog(log.path, *store); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::string text;
    for (auto _ : state) {
        text = composeLog(*store, false, SaveFormat::CompleteLog, {});
        benchmark::DoNotOptimize(text.data());
    }
    if (text != log.bytes)
        state.SkipWithError("composeLog differs from the log read");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.bytes.size()));
}

// The floor: the same bytes written with one fwrite and made durable with
// fsync (as a save makes its file), and their line ends found with memchr.
void BM_WriteBaseline(benchmark::State& state)
{
    const LargeLog& log = largeLog();
    if (log.bytes.empty()) {
        state.SkipWithError("the large log could not be written");
        return;
    }
    const std::string target = log.folder.file("Baseline.dat");
    for (auto _ : state) {
        std::FILE* file = std::fopen(target.c_str(), "wb");
        if (!file) {
            state.SkipWithError("cannot create the baseline file");
            break;
        }
        std::size_t written = std::fwrite(log.bytes.data(), 1, log.bytes.size(), file);
        std::fflush(file);
        ::fsync(::fileno(file));
        std::fclose(file);
        std::size_t lines = countLineEnds(log.bytes);
        benchmark::DoNotOptimize(written);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.bytes.size()));
}

BENCHMARK(BM_WriteBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeLog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveLogNoBackup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveLog)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return runBenchmarksWithRatios(argc, argv,
                                   {{"BM_SaveLog", "BM_WriteBaseline"},
                                    {"BM_SaveLogNoBackup", "BM_WriteBaseline"},
                                    {"BM_ComposeLog", "BM_WriteBaseline"}});
}
