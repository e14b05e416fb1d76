// The entry lists on the largest log the program accepts: refilling the Log
// list (all 10,000 rows) and the recent-entries list as every change of the
// log does, and painting the Log page. Each must fit in one frame (16 ms).
// The refills are compared with working out the rows alone, one pass over
// the entries; the painting with the same page over an empty log.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QListView>
#include <clocale>
#include <memory>
#include <string>

#include "bench_support.h"
#include "shell/app_context.h"
#include "shell/entry_list_model.h"
#include "shell/logic/entry_lists.h"
#include "shell/pages/data_entry_page.h"
#include "shell/pages/log_page.h"
#include "shell/shell_dialogs.h"

namespace {

// The main window's client area at its usual size.
const QSize kWindowClient(800, 560);

// A log and everything a page needs around it.
struct Shell {
    std::unique_ptr<LogStore> store = std::make_unique<LogStore>();
    AppSettings settings = defaultSettings();
    MemorySettingsStore settingsStore;
    SilentPrompt prompt;
    FixedClock clock{CalendarDate{2024, 5, 17}};
    ShellState state;
    QtShellDialogs dialogs;
    ShellFonts fonts = ShellFonts::create();
    AppContext context{*store, settings, settingsStore, prompt, clock, state, dialogs, fonts};
};

struct Logs {
    TempFolder folder;
    Shell large;
    Shell empty;
    std::string error;
    Logs()
    {
        error = openLargeLog(folder, *large.store);
    }
};

// Made on first use, gone before the application is: the pages' fonts
// must not outlive it.
std::unique_ptr<Logs> madeLogs;

Logs& logs()
{
    if (!madeLogs)
        madeLogs = std::make_unique<Logs>();
    return *madeLogs;
}

Shell* chosenShell(benchmark::State& state, bool large)
{
    if (!logs().error.empty()) {
        state.SkipWithError(logs().error.c_str());
        return nullptr;
    }
    return large ? &logs().large : &logs().empty;
}

template <class P>
std::unique_ptr<P> makePage(Shell& shell)
{
    std::unique_ptr<Page> page(createPage(P::kIndex, shell.context, kWindowClient, nullptr));
    page->show();
    return std::unique_ptr<P>(qobject_cast<P*>(page.release()));
}

// What every change of the log does to the Log page: the rows worked out,
// the model reset, the list scrolled to its end.
void refillLog(benchmark::State& state, int displayMode)
{
    Shell* shell = chosenShell(state, true);
    if (!shell)
        return;
    shell->settings.selectionDisplayMode = displayMode;
    // Every other entry unselected: Show All then highlights, Selected Only
    // lists half of them.
    if (displayMode == kShowAllHighlightSelected)
        for (std::size_t i = 0; i < shell->store->entryCount; i += 2)
            shell->store->entry(i).selected = 0;
    auto page = makePage<LogPage>(*shell);
    for (auto _ : state)
        page->refresh();
    state.counters["rows"] = page->logModel()->rowCount();
    shell->store->selectAll();
}

void BM_RefillLogList(benchmark::State& state)
{
    refillLog(state, kShowSelectedOnly);
}
void BM_RefillLogListHighlighted(benchmark::State& state)
{
    refillLog(state, kShowAllHighlightSelected);
}

void BM_RefillRecentList(benchmark::State& state)
{
    Shell* shell = chosenShell(state, true);
    if (!shell)
        return;
    auto page = makePage<DataEntryPage>(*shell);
    for (auto _ : state)
        page->refresh();
    state.counters["rows"] = page->recentModel()->rowCount();
}

// The floor: the two lists' rows worked out, one pass over the entries.
void BM_EntryRows(benchmark::State& state)
{
    Shell* shell = chosenShell(state, true);
    if (!shell)
        return;
    for (auto _ : state) {
        EntryRows rows = entryRows(*shell->store, kShowSelectedOnly);
        benchmark::DoNotOptimize(rows.log.data());
    }
}

// The Log page drawn whole: its heading and the visible rows of the list,
// scrolled to the end of the log.
void paintLogPage(benchmark::State& state, bool large)
{
    Shell* shell = chosenShell(state, large);
    if (!shell)
        return;
    shell->settings.selectionDisplayMode = kShowSelectedOnly;
    auto page = makePage<LogPage>(*shell);
    page->refresh();
    QImage image(page->size(), QImage::Format_RGB32);
    for (auto _ : state)
        page->render(&image);
    state.counters["rows shown"] = page->logRows();
}

void BM_PaintLogPage(benchmark::State& state)
{
    paintLogPage(state, true);
}
void BM_PaintLogPageEmpty(benchmark::State& state)
{
    paintLogPage(state, false);
}

BENCHMARK(BM_EntryRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefillLogList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefillLogListHighlighted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefillRecentList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintLogPageEmpty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintLogPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ShellFonts::installSubstitutions();
    const int status = runBenchmarksWithRatios(argc, argv,
                                               {{"BM_RefillLogList", "BM_EntryRows"},
                                                {"BM_RefillLogListHighlighted", "BM_EntryRows"},
                                                {"BM_RefillRecentList", "BM_EntryRows"},
                                                {"BM_PaintLogPage", "BM_PaintLogPageEmpty"}});
    madeLogs.reset();
    return status;
}
