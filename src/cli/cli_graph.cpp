#include "cli_graph.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli_open_log.h"
#include "cli_prompt.h"
#include "log/clock.h"
#include "log/log_store.h"
#include "log/messages.h"
#include "paths.h"
#include "shell/logic/graph_settings.h"
#include "values/latin1_text.h"
#include "views/logic/graph_data.h"
#include "views/logic/graph_navigation.h"

namespace {

constexpr std::array<const char*, kGraphPeriodCount> kPeriodNames = {"13w", "27w", "55w", "111w",
                                                                     "12m", "25m", "38m", "51m"};
constexpr std::array<const char*, kGraphBuiltInTypes> kTypeShortNames = {"time", "distance", "pace", "workouts",
                                                                         "calories"};

// The type list's index of a type text or its short form; -1 when unknown.
int typeIndex(const LogStore& store, const std::string& text)
{
    for (int i = 0; i < kGraphBuiltInTypes; ++i)
        if (text == kGraphTypeTexts[i])
            return i;
    for (int k = 0; k < store.keywordCount; ++k)
        if (text == graphKeywordLabel(store, k))
            return kGraphFirstKeyword + k;
    for (int i = 0; i < kGraphBuiltInTypes; ++i)
        if (text == kTypeShortNames[static_cast<std::size_t>(i)])
            return i;
    return -1;
}

// The sport list's index of a sport's name, 0 for all sports; -1 when unknown.
int sportIndex(const LogStore& store, const std::string& text)
{
    if (text == "all" || text == kAllSportsText)
        return 0;
    for (int s = 1; s <= store.sportCount; ++s)
        if (store.sports[s].name.view() == text)
            return s;
    return -1;
}

void printLine(std::FILE* out, const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), out);
    std::fputc('\n', out);
}

std::string valueText(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(value));
    return text;
}

std::string periodLine(const GraphData& data, const GraphPeriod& period)
{
    char day[16];
    std::snprintf(day, sizeof day, "%04d-%02d-%02d", period.firstDay.year, period.firstDay.month, period.firstDay.day);
    std::string line = day;
    line += '\t' + valueText(printedValue(data.type, period.value));
    if (data.stacked) {
        for (std::size_t s = 1; s <= data.sportCount; ++s)
            line += '\t' + valueText(printedValue(data.type, sportPartValue(data.type, period.sums[s])));
    }
    return line;
}

std::string axisLine(const GraphData& data)
{
    if (!data.hasScale)
        return "axis";
    std::string line = "axis\t" + std::to_string(data.base) + '\t' + std::to_string(data.axisSpan) + '\t' +
                       latin1ToUtf8(data.verticalCaption);
    for (const std::string& label : data.tickLabels)
        line += '\t' + label;
    return line;
}

// The request's type and sport in the log's Latin-1. False, with the usage
// problem, when one of them has a character the log cannot hold.
bool graphTextsInLatin1(const GraphCliRequest& request, std::string& type, std::string& sport,
                        std::string& usageProblem)
{
    std::string missing;
    const std::optional<std::string> latinType = utf8ToLatin1(request.type, missing);
    const std::optional<std::string> latinSport = latinType ? utf8ToLatin1(request.sport, missing) : std::nullopt;
    if (!latinType || !latinSport) {
        usageProblem = "'" + missing + "' has no place in a log's texts (Latin-1)";
        return false;
    }
    type = *latinType;
    sport = *latinSport;
    return true;
}

}  // namespace

bool graphRequest(const ParsedArgs& parsed, const std::string& currentDir, GraphCliRequest& request,
                  std::string& problem)
{
    request.logPath = absolutePath(parsed.positional[0], currentDir);
    if (auto type = parsed.options.find("type"); type != parsed.options.end())
        request.type = type->second;
    if (auto sport = parsed.options.find("sport"); sport != parsed.options.end())
        request.sport = sport->second;
    if (!parseSelectionOptions(parsed, request.selection, problem))
        return false;
    if (request.sport == "all" || request.sport == kAllSportsText)
        request.selection.sport.reset();
    if (auto period = parsed.options.find("period"); period != parsed.options.end()) {
        request.graphPeriod = -1;
        for (std::size_t i = 0; i < kPeriodNames.size(); ++i)
            if (period->second == kPeriodNames[i])
                request.graphPeriod = static_cast<int>(i);
        if (request.graphPeriod < 0) {
            problem = "--period is 13w, 27w, 55w, 111w, 12m, 25m, 38m or 51m, not '" + period->second + "'";
            return false;
        }
    }
    return dateOption(parsed, "first", request.first, problem);
}

int resolveGraph(const GraphCliRequest& request, LogStore& store, const AppSettings& settings,
                 UserPrompt& prompt, GraphRequest& graph, std::string& usageProblem)
{
    std::string type;
    std::string sport;
    if (!graphTextsInLatin1(request, type, sport, usageProblem))
        return kExitUsage;
    graph.graphPeriod = request.graphPeriod;
    graph.type = typeIndex(store, type);
    graph.sport = sportIndex(store, sport);
    if (graph.type < 0) {
        usageProblem = "the log has no graph type '" + request.type + "'";
        return kExitUsage;
    }
    if (graph.sport < 0) {
        usageProblem = "the log has no sport named '" + request.sport + "'";
        return kExitUsage;
    }
    if (const int status = applySelectionOptions(request.selection, store, prompt, usageProblem);
        status != kExitOk)
        return status;
    if (graph.sport == 0 && graphNeedsOneSport(graph.type)) {
        prompt.message(msg::kCaption, kGraphNeedsOneSport, UserPrompt::Icon::None, UserPrompt::Buttons::Ok,
                       UserPrompt::Answer::Ok);
        return kExitFailed;
    }

    GraphFirsts firsts;
    if (request.first)
        pickGraphDate(firsts, *request.first, store.weekOrigin);
    graph.firstPeriod = graphFirstPeriod(firsts, store, -1, graph.graphPeriod, SystemClock().today());
    graph.calories = calorieSettingsOf(settings);

    return kExitOk;
}

int runGraph(const GraphCliRequest& request, const CliStreams& streams, std::string& usageProblem)
{
    std::string type;
    std::string sport;
    if (!graphTextsInLatin1(request, type, sport, usageProblem))
        return kExitUsage;

    CliPrompt prompt(streams.err);
    auto store = std::make_unique<LogStore>();
    const std::optional<AppSettings> settings = openLogWithUserSettings(*store, request.logPath, prompt);
    if (!settings)
        return kExitFailed;

    GraphRequest graph;
    if (const int status = resolveGraph(request, *store, *settings, prompt, graph, usageProblem); status != kExitOk)
        return status;
    const GraphData data = buildGraphData(*store, graph);
    for (const GraphPeriod& period : data.periods)
        printLine(streams.out, periodLine(data, period));
    printLine(streams.out, axisLine(data));
    return flushOutput(streams);
}
