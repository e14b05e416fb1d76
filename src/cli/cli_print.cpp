#include "cli_print.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <cstdio>
#include <clocale>
#include <memory>
#include <optional>

#include "cli_graph.h"
#include "cli_open_log.h"
#include "cli_prompt.h"
#include "cli_selection.h"
#include "cli_totals.h"
#include "log/clock.h"
#include "log/log_store.h"
#include "log/messages.h"
#include "paths.h"
#include "shell/logic/app_settings.h"
#include "shell/logic/page_layout.h"
#include "views/paint_style.h"
#include "views/print_job.h"

namespace {

constexpr int kPrintDpi = 600;
constexpr const char* kNothingToPrint = "Nothing to print!";
constexpr const char* kProblemPrinting = "Problem printing!";

struct PageName {
    const char* name;
    PrintPage page;
};

constexpr std::array<PageName, 5> kPageNames = {{
    {"log", PrintPage::Log},
    {"day", PrintPage::Day},
    {"week", PrintPage::Week},
    {"totals", PrintPage::Totals},
    {"graph", PrintPage::Graph},
}};

struct PrintCliRequest {
    std::string logPath;
    std::string outPath;
    PrintPage page = PrintPage::Log;
    std::optional<PrintRange> pages;
    QPageSize paper{QPageSize::Letter};
    TotalPeriod period = TotalPeriod::Week;
    GraphCliRequest graph;  // its selection serves every page; its --from starts the week page too
};

// "N-M" or "N", pages 1 to 9999 in order.
std::optional<PrintRange> parsePages(const std::string& text)
{
    int first = 0;
    int last = 0;
    char rest = 0;
    const int n = std::sscanf(text.c_str(), "%d-%d%c", &first, &last, &rest);
    if (n == 1 && text.find('-') == std::string::npos)
        last = first;
    else if (n != 2)
        return std::nullopt;
    if (first < 1 || last < first || last > PrintRange::kLastPage)
        return std::nullopt;
    return PrintRange{first, last};
}

// The options that belong to one page only.
bool onlyFor(const ParsedArgs& parsed, const char* option, bool allowed, const std::string& page,
             std::string& problem)
{
    if (allowed || parsed.options.count(option) == 0)
        return true;
    problem = std::string("--") + option + " has no meaning for --page " + page;
    return false;
}

bool printRequest(const ParsedArgs& parsed, const std::string& currentDir, PrintCliRequest& request,
                  std::string& problem)
{
    request.logPath = absolutePath(parsed.positional[0], currentDir);
    request.outPath = absolutePath(parsed.positional[1], currentDir);
    auto page = parsed.options.find("page");
    if (page == parsed.options.end()) {
        problem = "'print' needs --page log, day, week, totals or graph";
        return false;
    }
    auto known = std::find_if(kPageNames.begin(), kPageNames.end(),
                              [&](const PageName& p) { return page->second == p.name; });
    if (known == kPageNames.end()) {
        problem = "--page is log, day, week, totals or graph, not '" + page->second + "'";
        return false;
    }
    request.page = known->page;
    const bool graph = request.page == PrintPage::Graph;
    const bool totals = request.page == PrintPage::Totals;
    for (const char* option : {"type", "first"})
        if (!onlyFor(parsed, option, graph, page->second, problem))
            return false;
    if (!onlyFor(parsed, "period", graph || totals, page->second, problem))
        return false;
    if (auto pages = parsed.options.find("pages"); pages != parsed.options.end()) {
        request.pages = parsePages(pages->second);
        if (!request.pages) {
            problem = "--pages wants N-M with 1 <= N <= M <= 9999, not '" + pages->second + "'";
            return false;
        }
    }
    if (auto paper = parsed.options.find("paper"); paper != parsed.options.end()) {
        if (paper->second != "letter" && paper->second != "a4") {
            problem = "--paper is letter or a4, not '" + paper->second + "'";
            return false;
        }
        request.paper = QPageSize(paper->second == "a4" ? QPageSize::A4 : QPageSize::Letter);
    }
    if (graph)
        return graphRequest(parsed, currentDir, request.graph, problem);
    return parseSelectionOptions(parsed, request.graph.selection, problem) &&
           (!totals || totalPeriodOption(parsed, request.period, problem));
}

// The painters need a GUI application for their fonts; the offscreen
// platform gives one without a display, whatever the environment names.
std::unique_ptr<QGuiApplication> offscreenApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    static int argc = 3;
    static char name[] = "orvanta";
    static char platformFlag[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformFlag, platform, nullptr};
    // Standard error carries the program's messages only, not the platform's
    // remarks (such as a missing XDG_RUNTIME_DIR).
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    // Numbers in a log never follow the locale; month and day names may.
    std::setlocale(LC_NUMERIC, "C");
    installViewFontSubstitutions();
    return app;
}

// The position of the first selected entry; -1 when none is.
int firstSelectedEntry(const LogStore& store)
{
    for (int i = 0; i < store.entryCount; ++i)
        if (store.entry(static_cast<std::size_t>(i)).selected)
            return i;
    return -1;
}

void message(CliPrompt& prompt, const std::string& text)
{
    prompt.message(msg::kCaption, text, UserPrompt::Icon::Information, UserPrompt::Buttons::Ok,
                   UserPrompt::Answer::Ok);
}

}  // namespace

int runPrintCommand(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir,
                    std::string& usageProblem)
{
    PrintCliRequest request;
    if (!printRequest(parsed, currentDir, request, usageProblem))
        return kExitUsage;

    CliPrompt prompt(streams.err);
    auto store = std::make_unique<LogStore>();
    const std::optional<AppSettings> settings = openLogWithUserSettings(*store, request.logPath, prompt);
    if (!settings)
        return kExitFailed;
    GraphRequest graph;
    if (const int status = request.page == PrintPage::Graph
                               ? resolveGraph(request.graph, *store, *settings, prompt, graph, usageProblem)
                               : applySelectionOptions(request.graph.selection, *store, prompt, usageProblem);
        status != kExitOk)
        return status;
    // Found here: the selection options set the flags, not the count.
    const int firstSelected = firstSelectedEntry(*store);
    if (firstSelected < 0) {
        message(prompt, kNothingToPrint);
        return kExitFailed;
    }
    const std::unique_ptr<QGuiApplication> app = offscreenApplication();
    PrintRequest print = printRequestFrom(viewSettingsOf(*settings), request.page, *store);
    if (request.page == PrintPage::Graph)
        print.graph = graph;
    const CalendarDate today = SystemClock().today();
    print.range = request.pages.value_or(PrintRange{});
    if (request.page == PrintPage::Day && !request.pages)
        print.range.first = firstSelected + 1;
    print.totalPeriod = request.period;
    print.totals = buildTotals(*store, request.period, localeMonthLabel);
    print.week.today = today;
    const std::optional<CalendarDate>& from = request.graph.selection.from;
    print.week.firstWeek = from ? weekIndexOf(*from, store->weekOrigin)
                                : initialWeekFirst(*store, -1, settings->weekViewWeeks, today);

    QPdfWriter writer(QString::fromStdString(request.outPath));
    writer.setResolution(kPrintDpi);
    writer.setPageSize(request.paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(printJobName(request.page));
    writer.setCreator(QStringLiteral("The Orvanta"));
    const PrintResult result = printLog(writer, *store, print);
    if (result.outcome == PrintOutcome::Failed) {
        message(prompt, kProblemPrinting);
        return kExitFailed;
    }
    if (result.pagesDrawn == 0) {
        std::fputs(("orvanta: pages " + std::to_string(print.range.first) + "-" + std::to_string(print.range.last) +
                    " hold nothing to print\n")
                       .c_str(),
                   streams.err);
        return kExitFailed;
    }
    return kExitOk;
}
