// Select on the largest log the program accepts, with four criteria (sport,
// distance, pace and route, besides the date range) and everything the
// window does after it: the entry lists' rows worked out again and the
// totals rebuilt. It must fit in one frame (16 ms). The floor is one plain
// pass over the entries that reads the fields the criteria read.

#include <benchmark/benchmark.h>

#include <clocale>
#include <memory>
#include <string>

#include "bench_support.h"
#include "shell/logic/entry_lists.h"
#include "shell/logic/selection.h"
#include "views/logic/totals.h"

namespace {

struct LargeLog {
    TempFolder folder;
    std::unique_ptr<LogStore> store = std::make_unique<LogStore>();
    std::string error = openLargeLog(folder, *store);
};

LargeLog& largeLog()
{
    static LargeLog log;
    return log;
}

LogStore* chosenStore(benchmark::State& state)
{
    if (!largeLog().error.empty()) {
        state.SkipWithError(largeLog().error.c_str());
        return nullptr;
    }
    return largeLog().store.get();
}

// Running (sport 1, list position 2) from 3 to 10 miles, faster than 9:00
// a mile, along the river.
SelectCriteria fourCriteria(const LogStore& store)
{
    SelectCriteria criteria = clearedCriteria(store);
    criteria.sport = 2;
    criteria.distanceTest = NumberTest::From;
    criteria.distanceText = "3";
    criteria.distanceTo = "10";
    criteria.paceTest = PaceTest::FasterThan;
    criteria.paceText = "9:00";
    criteria.routeTest = TextTest::Contains;
    criteria.routeText = "river";
    return criteria;
}

void BM_SelectFourCriteria(benchmark::State& state)
{
    LogStore* store = chosenStore(state);
    if (!store)
        return;
    const SelectCriteria criteria = fourCriteria(*store);
    int selected = 0;
    for (auto _ : state) {
        selected = runSelect(*store, criteria, SelectAction::Select).selectedCount;
        benchmark::ClobberMemory();
    }
    state.counters["selected"] = selected;
    store->selectAll();
}

// Select and what follows it in the window: both lists' rows and the totals.
void BM_SelectRefillAndTotals(benchmark::State& state)
{
    LogStore* store = chosenStore(state);
    if (!store)
        return;
    const SelectCriteria criteria = fourCriteria(*store);
    std::size_t lines = 0;
    for (auto _ : state) {
        runSelect(*store, criteria, SelectAction::Select);
        EntryRows rows = entryRows(*store, kShowSelectedOnly);
        benchmark::DoNotOptimize(rows.log.data());
        std::vector<TotalsLine> totals = buildTotals(*store, TotalPeriod::Week, englishMonthLabel);
        lines = totals.size();
        benchmark::DoNotOptimize(totals.data());
    }
    state.counters["totals lines"] = static_cast<double>(lines);
    store->selectAll();
}

// The floor: one pass over the entries reading the date, sport, distance,
// time and the route's first byte, as any filter must.
void BM_PlainPass(benchmark::State& state)
{
    LogStore* store = chosenStore(state);
    if (!store)
        return;
    for (auto _ : state) {
        int count = 0;
        for (std::size_t i = 0; i < store->entryCount; ++i) {
            const LogEntry& entry = store->entry(i);
            count += entry.dateKey > 0 && entry.sportIndex == 1 && entry.distance > entry.minutes * 0.1f &&
                     entry.routeText.view().size() > 0;
        }
        benchmark::DoNotOptimize(count);
    }
}

BENCHMARK(BM_PlainPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectFourCriteria)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectRefillAndTotals)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_NUMERIC, "C");
    return runBenchmarksWithRatios(
        argc, argv, {{"BM_SelectFourCriteria", "BM_PlainPass"}, {"BM_SelectRefillAndTotals", "BM_PlainPass"}});
}
