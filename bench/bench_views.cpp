// The views on the largest log the program accepts: painting a 111-week graph
// of all sports (time and calories), painting a week (one and
// four), painting a day, and rebuilding the totals list. Each must fit in one
// frame (16 ms). The painters' baselines are the same picture of an empty
// log, so their ratios show what the 10,000 entries cost; the totals' is one
// plain pass over the entries.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <clocale>
#include <memory>
#include <string>

#include "bench_support.h"
#include "log/log_reader.h"
#include "shell/logic/app_settings.h"
#include "shell/logic/graph_settings.h"
#include "shell/shell_fonts.h"
#include "views/day_painter.h"
#include "views/graph_painter.h"
#include "views/logic/day_data.h"
#include "views/logic/graph_data.h"
#include "views/logic/graph_navigation.h"
#include "views/logic/totals.h"
#include "views/logic/week_data.h"
#include "views/totals_list.h"
#include "views/week_painter.h"

namespace {

const QSize kPageClient(638, 453);

struct Logs {
    TempFolder folder;
    std::unique_ptr<LogStore> large = std::make_unique<LogStore>();
    std::unique_ptr<LogStore> empty = std::make_unique<LogStore>();
    std::string error;
    Logs()
    {
        error = openLargeLog(folder, *large);
        // Each sport linked to its calorie factor, as reading with the settings does.
        const std::vector<std::string> pairs = defaultSettings().calorieSportNames();
        for (std::uint16_t s = 1; s <= large->sportCount; ++s)
            large->sports[s].calorieIndex = calorieIndexFor(large->sports[s].name.view(), pairs);
    }
};

const Logs& logs()
{
    static const Logs l;
    return l;
}

const LogStore* chosenLog(benchmark::State& state, bool large)
{
    if (!logs().error.empty()) {
        state.SkipWithError(logs().error.c_str());
        return nullptr;
    }
    return large ? logs().large.get() : logs().empty.get();
}

// The page's repaint: the week's data from the log, then the picture. The
// week shown is the last one, so the year-so-far walk crosses the whole log.
void paintWeekOf(benchmark::State& state, bool large, int weeks)
{
    const LogStore* store = chosenLog(state, large);
    if (!store)
        return;
    const AppSettings settings = defaultSettings();
    const PaintStyle style = weekPaintStyle(viewSettingsOf(settings), false);
    QImage image(kPageClient, QImage::Format_RGB32);
    WeekRequest request;
    request.weekViewWeeks = weeks;
    request.today = CalendarDate{2024, 5, 17};
    std::size_t lines = 0;
    for (auto _ : state) {
        const WeekData data = buildWeekData(*store, request);
        QPainter painter(&image);
        paintWeek(painter, image.rect(), data, style);
        for (const WeekDay& day : data.days)
            lines += day.entries.size();
    }
    state.counters["entry lines"] = static_cast<double>(lines) / static_cast<double>(state.iterations());
}

void BM_PaintWeek(benchmark::State& state)
{
    paintWeekOf(state, true, 1);
}
void BM_PaintWeekEmpty(benchmark::State& state)
{
    paintWeekOf(state, false, 1);
}
void BM_PaintFourWeeks(benchmark::State& state)
{
    paintWeekOf(state, true, 4);
}
void BM_PaintFourWeeksEmpty(benchmark::State& state)
{
    paintWeekOf(state, false, 4);
}

void paintDayOf(benchmark::State& state, bool large)
{
    const LogStore* store = chosenLog(state, large);
    if (!store)
        return;
    const PaintStyle style = dayPaintStyle(viewSettingsOf(defaultSettings()), false);
    QImage image(kPageClient, QImage::Format_RGB32);
    const int entry = store->entryCount - 1;
    for (auto _ : state) {
        QPainter painter(&image);
        paintDay(painter, image.rect(), buildDayCard(*store, entry), style);
    }
}

void BM_PaintDay(benchmark::State& state)
{
    paintDayOf(state, true);
}
void BM_PaintDayEmpty(benchmark::State& state)
{
    paintDayOf(state, false);
}

// What the Totals page does on every change: the report built, the list's
// model reset, the list scrolled to its end.
void refillTotals(benchmark::State& state, bool large, TotalPeriod period)
{
    const LogStore* store = chosenLog(state, large);
    if (!store)
        return;
    QListView list;
    auto* model = new TotalsModel(&list);
    list.setModel(model);
    list.setItemDelegate(new TotalsRowDelegate(&list));
    list.setUniformItemSizes(true);
    list.resize(520, 418);
    for (auto _ : state) {
        model->setLines(buildTotals(*store, period, englishMonthLabel));
        if (model->rowCount() > 0)
            list.scrollTo(model->index(model->rowCount() - 1), QAbstractItemView::PositionAtBottom);
    }
    state.counters["lines"] = model->rowCount();
}

void BM_TotalsRefillWeeks(benchmark::State& state)
{
    refillTotals(state, true, TotalPeriod::Week);
}
void BM_TotalsRefillMonths(benchmark::State& state)
{
    refillTotals(state, true, TotalPeriod::Month);
}
// The floor of any report: every entry looked at once, its time added to its
// sport's sum.
void BM_SumEntries(benchmark::State& state)
{
    const LogStore* store = chosenLog(state, true);
    if (!store)
        return;
    for (auto _ : state) {
        float minutes[LogStore::kMaxSports + 1] = {};
        for (std::size_t i = 0; i < store->entryCount; ++i)
            minutes[store->entry(i).sportIndex % (LogStore::kMaxSports + 1)] += store->entry(i).minutes;
        benchmark::DoNotOptimize(minutes);
    }
}

// The Graph page's repaint: the graph's numbers from the log, then the
// picture; 111 weeks of all sports, ending at the log's last entry.
void paintGraphOf(benchmark::State& state, bool large, int type)
{
    const LogStore* store = chosenLog(state, large);
    if (!store)
        return;
    const AppSettings settings = defaultSettings();
    const PaintStyle style = graphPaintStyle(viewSettingsOf(settings), false);
    QImage image(kPageClient, QImage::Format_RGB32);
    GraphRequest request;
    request.graphPeriod = 3;
    request.type = type;
    request.calories = calorieSettingsOf(settings);
    GraphFirsts firsts;
    request.firstPeriod = graphFirstPeriod(firsts, *store, -1, request.graphPeriod, CalendarDate{2024, 5, 17});
    double bars = 0;
    for (auto _ : state) {
        const GraphData data = buildGraphData(*store, request);
        QPainter painter(&image);
        paintGraph(painter, image.rect(), data, style);
        for (const GraphPeriod& period : data.periods)
            bars += period.hasValue ? 1 : 0;
    }
    state.counters["bars"] = bars / static_cast<double>(state.iterations());
}

void BM_PaintGraph111Weeks(benchmark::State& state)
{
    paintGraphOf(state, true, kGraphTime);
}
void BM_PaintGraph111WeeksCalories(benchmark::State& state)
{
    paintGraphOf(state, true, kGraphCalories);
}
void BM_PaintGraph111WeeksEmpty(benchmark::State& state)
{
    paintGraphOf(state, false, kGraphTime);
}

BENCHMARK(BM_PaintGraph111WeeksEmpty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintGraph111Weeks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintGraph111WeeksCalories)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWeekEmpty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWeek)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFourWeeksEmpty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFourWeeks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintDayEmpty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TotalsRefillWeeks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TotalsRefillMonths)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ShellFonts::installSubstitutions();
    return runBenchmarksWithRatios(argc, argv,
                                   {{"BM_PaintGraph111Weeks", "BM_PaintGraph111WeeksEmpty"},
                                    {"BM_PaintGraph111WeeksCalories", "BM_PaintGraph111WeeksEmpty"},
                                    {"BM_PaintWeek", "BM_PaintWeekEmpty"},
                                    {"BM_PaintFourWeeks", "BM_PaintFourWeeksEmpty"},
                                    {"BM_PaintDay", "BM_PaintDayEmpty"},
                                    {"BM_TotalsRefillWeeks", "BM_SumEntries"},
                                    {"BM_TotalsRefillMonths", "BM_SumEntries"}});
}
