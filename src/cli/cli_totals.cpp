#include "cli_totals.h"

#include <array>
#include <ctime>
#include <string_view>

#include <langinfo.h>
#include <memory>

#include "cli_prompt.h"
#include "log/log_reader.h"
#include "log/log_store.h"
#include "paths.h"
#include "values/latin1_text.h"

namespace {

struct PeriodName {
    const char* name;
    TotalPeriod period;
};

constexpr std::array<PeriodName, 3> kPeriodNames = {{
    {"week", TotalPeriod::Week},
    {"month", TotalPeriod::Month},
    {"year", TotalPeriod::Year},
}};


}  // namespace

std::string localeMonthLabel(int year, int month)
{
    std::tm day{};
    day.tm_year = year - 1900;
    day.tm_mon = month - 1;
    day.tm_mday = 1;
    char buffer[64];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "   %b %y", &day);
    if (n == 0)
        return englishMonthLabel(year, month);
    // The label joins the log's Latin-1 texts in the line, which is printed
    // in UTF-8 as a whole.
    const std::string_view codeset = nl_langinfo(CODESET);
    return codeset == "UTF-8" ? utf8ToLatin1Lossy(std::string_view(buffer, n)) : std::string(buffer, n);
}

bool totalPeriodOption(const ParsedArgs& parsed, TotalPeriod& period, std::string& problem)
{
    auto given = parsed.options.find("period");
    if (given == parsed.options.end())
        return true;
    for (const PeriodName& known : kPeriodNames) {
        if (given->second == known.name) {
            period = known.period;
            return true;
        }
    }
    problem = "--period is week, month or year, not '" + given->second + "'";
    return false;
}

bool totalsRequest(const ParsedArgs& parsed, const std::string& currentDir, TotalsRequest& request,
                   std::string& problem)
{
    request.logPath = absolutePath(parsed.positional[0], currentDir);
    return parseSelectionOptions(parsed, request.selection, problem) &&
           totalPeriodOption(parsed, request.period, problem);
}

int runTotals(const TotalsRequest& request, const CliStreams& streams, std::string& usageProblem)
{
    CliPrompt prompt(streams.err);
    auto store = std::make_unique<LogStore>();
    store->setFileName(request.logPath);
    if (readLog(*store, prompt, ReadOptions{}) != ReadResult::Ok)
        return kExitFailed;
    if (const int status = applySelectionOptions(request.selection, *store, prompt, usageProblem); status != kExitOk)
        return status;
    for (const TotalsLine& line : buildTotals(*store, request.period, localeMonthLabel)) {
        const std::string text = latin1ToUtf8(line.text);
        std::fwrite(text.data(), 1, text.size(), streams.out);
        std::fputc('\n', streams.out);
    }
    return flushOutput(streams);
}
