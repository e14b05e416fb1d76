#include "views/print_job.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <algorithm>

#include "log/log_store.h"
#include "views/day_painter.h"
#include "views/graph_painter.h"
#include "views/logic/day_data.h"
#include "views/logic/view_settings.h"
#include "views/print_tables.h"
#include "views/week_painter.h"

namespace {

// Where the pictures go: the page inside its half-inch margins.
QRect pictureArea(const QPagedPaintDevice& device)
{
    const int mx = device.logicalDpiX() / 2;
    const int my = device.logicalDpiY() / 2;
    return Box{mx, my, device.width() - mx, device.height() - my}.rect();
}

// One card per selected entry from the range's first entry to its last; the
// range counts entries, not pages.
PrintResult printDayCards(QPagedPaintDevice& device, const LogStore& store, const PrintRequest& request,
                          const PrintHooks& hooks)
{
    PageRun run(device, PrintRange{1, PrintRange::kLastPage}, hooks);
    const int first = std::max(request.range.first - 1, 0);
    const int last = std::min(request.range.last - 1, static_cast<int>(store.entryCount) - 1);
    const QRect area = pictureArea(device);
    for (int i = first; i <= last; ++i) {
        if (!store.entry(static_cast<std::size_t>(i)).selected)
            continue;
        if (run.stopped() || !run.startPage())
            return run.result();
        paintDay(run.painter(), area, buildDayCard(store, i), request.dayStyle);
        run.endPage();
    }
    run.finish();
    return run.result();
}

// The week sheet or the graph on a page of its own.
template <typename Paint>
PrintResult printPicture(QPagedPaintDevice& device, const PrintHooks& hooks, bool abortable, Paint paint)
{
    const PrintHooks none;
    PageRun run(device, PrintRange{1, 1}, abortable ? hooks : none);
    if (run.stopped() || !run.startPage())
        return run.result();
    paint(run.painter(), pictureArea(device));
    run.endPage();
    return run.result();
}

}  // namespace

QString printWindowName(PrintPage page)
{
    switch (page) {
    case PrintPage::Log:
        return QStringLiteral("Daily Log");
    case PrintPage::Day:
        return QStringLiteral("Day View");
    case PrintPage::Week:
        return QStringLiteral("Weekly Log");
    case PrintPage::Totals:
        return QStringLiteral("Totals");
    case PrintPage::Graph:
        return QStringLiteral("Graph");
    }
    return {};
}

QString printJobName(PrintPage page)
{
    return QStringLiteral("Orvanta: ") + printWindowName(page);
}

PrintRequest printRequestFrom(const ViewSettings& settings, PrintPage page, const LogStore& store,
                              const QLocale& locale)
{
    PrintRequest request;
    request.page = page;
    request.tableFont = PrintFont{QString::fromLatin1(settings.fontNamePrinting.c_str()), settings.fontSizePrinting};
    request.logName = QFile::decodeName(store.fileName.c_str());
    request.locale = locale;
    request.totalPeriod = static_cast<TotalPeriod>(std::clamp(settings.totalPeriod, 0, 2));
    request.dayStyle = dayPaintStyle(settings, true, locale);
    request.weekStyle = weekPaintStyle(settings, true, locale);
    request.graphStyle = graphPaintStyle(settings, true, locale);
    request.week.weekViewWeeks = settings.weekViewWeeks;
    request.week.selectionDisplayMode = settings.selectionDisplayMode;
    request.graph.graphPeriod = settings.graphPeriod;
    request.graph.type = settings.graphType;
    request.graph.sport = settings.graphSport;
    request.graph.calories = settings.calories;
    return request;
}

PrintResult printLog(QPagedPaintDevice& device, const LogStore& store, const PrintRequest& request,
                     const PrintHooks& hooks)
{
    switch (request.page) {
    case PrintPage::Log:
        return printLogTable(device, store, request, hooks);
    case PrintPage::Totals:
        return printTotalsTable(device, request, hooks);
    case PrintPage::Day:
        return printDayCards(device, store, request, hooks);
    case PrintPage::Week:
        return printPicture(device, hooks, true, [&](QPainter& painter, const QRect& area) {
            paintWeek(painter, area, buildWeekData(store, request.week), request.weekStyle);
        });
    case PrintPage::Graph:
        return printPicture(device, hooks, false, [&](QPainter& painter, const QRect& area) {
            paintGraph(painter, area, buildGraphData(store, request.graph), request.graphStyle);
        });
    }
    return PrintResult{PrintOutcome::Failed, 0, 0};
}
