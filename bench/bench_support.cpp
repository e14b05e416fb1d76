#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <system_error>

#include <unistd.h>

#include "log/log_reader.h"
#include "log/log_writer.h"
#include "make_large_log.h"

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "orv-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("orv-bench: cannot make a temporary folder");
        std::exit(1);
    }
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string fileBytes(const std::string& path)
{
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    char chunk[1 << 16];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, n);
    std::fclose(file);
    return bytes;
}

std::size_t countLineEnds(const std::string& bytes)
{
    // memchr: the C library's own vectorised scan, as fast in every build
    // type, where a byte loop is vectorised at -O3 only and would move the
    // floor with the build.
    std::size_t count = 0;
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        const void* hit = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
        if (hit == nullptr)
            break;
        ++count;
        at = static_cast<const char*>(hit) + 1;
    }
    return count;
}

std::string openLog(const std::string& path, LogStore& store)
{
    SilentPrompt prompt;
    store.clearForRead();
    store.fileName = path;
    ReadResult result = readLog(store, prompt);
    if (result != ReadResult::Ok)
        return "readLog failed with result " + std::to_string(static_cast<int>(result));
    if (!prompt.messages.empty())
        return "readLog showed \"" + prompt.messages.front() + "\"";
    return {};
}

std::string openLargeLog(const TempFolder& folder, LogStore& store)
{
    const std::string path = folder.file("Large.dat");
    if (!writeLargeLog(path))
        return "the large log could not be written";
    std::string error = openLog(path, store);
    if (error.empty() && store.entryCount != kLargeLogEntries)
        error = "the large log did not read whole";
    return error;
}

namespace {

std::string firstDifference(const std::string& expected, const std::string& actual)
{
    std::size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i])
        ++i;
    std::size_t lineStart = expected.rfind('\n', i == 0 ? 0 : i - 1);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    auto lineAt = [&](const std::string& text) {
        if (lineStart >= text.size())
            return std::string("(end of file)");
        std::size_t end = text.find_first_of("\r\n", lineStart);
        return text.substr(lineStart, end == std::string::npos ? std::string::npos : end - lineStart);
    };
    return "first difference at byte " + std::to_string(i) + " (sizes " + std::to_string(expected.size()) + " and " +
           std::to_string(actual.size()) + "): written \"" + lineAt(expected) + "\", saved \"" + lineAt(actual) + "\"";
}

}  // namespace

std::string checkLargeLogRoundTrip(const std::string& path, std::size_t expectedEntries)
{
    const std::string written = fileBytes(path);
    if (written.empty())
        return "cannot read " + path;
    auto store = std::make_unique<LogStore>();
    if (std::string error = openLog(path, *store); !error.empty())
        return error;
    if (store->entryCount != expectedEntries)
        return "read " + std::to_string(store->entryCount) + " entries, expected " + std::to_string(expectedEntries);

    TempFolder folder;
    SilentPrompt prompt;
    MemorySettingsStore settings;
    SaveContext context{prompt, settings, {}};
    const std::string savedPath = folder.file("saved.dat");
    if (!saveLog(*store, savedPath, false, SaveFormat::CompleteLog, context))
        return "saveLog failed" + (prompt.messages.empty() ? std::string() : ": " + prompt.messages.front());
    const std::string saved = fileBytes(savedPath);
    if (saved != written)
        return "saving the log read changed it: " + firstDifference(written, saved);
    return {};
}

namespace {

// The console reporter that also keeps each benchmark's real and CPU seconds
// per iteration: the medians when the run was repeated, else the one run's.
// CPU time is the steadier of the two on a busy machine.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}

    struct Seconds {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Seconds> secondsPerIteration;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median)
                continue;
            const std::string name = run.run_name.str();
            if (median || !m_haveMedian.count(name)) {
                const double multiplier = benchmark::GetTimeUnitMultiplier(run.time_unit);
                secondsPerIteration[name] = {run.GetAdjustedRealTime() / multiplier,
                                             run.GetAdjustedCPUTime() / multiplier};
            }
            if (median)
                m_haveMedian.insert(name);
        }
    }

private:
    std::set<std::string> m_haveMedian;
};

}  // namespace

int runBenchmarksWithRatios(int argc, char** argv, const std::vector<BenchmarkRatio>& ratios)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    // Colours only for a terminal, so that a saved run stays readable.
    RatioReporter reporter(isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_Defaults
                                                  : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::fflush(stdout);

    for (const BenchmarkRatio& ratio : ratios) {
        auto measured = reporter.secondsPerIteration.find(ratio.measured);
        auto baseline = reporter.secondsPerIteration.find(ratio.baseline);
        if (measured == reporter.secondsPerIteration.end() || baseline == reporter.secondsPerIteration.end() ||
            baseline->second.real <= 0 || baseline->second.cpu <= 0)
            continue;
        std::printf("%-20s / %-16s = %6.2fx real, %6.2fx CPU\n", ratio.measured.c_str(), ratio.baseline.c_str(),
                    measured->second.real / baseline->second.real, measured->second.cpu / baseline->second.cpu);
    }
    return 0;
}
