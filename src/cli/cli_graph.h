#pragma once

#include <optional>
#include <string>

#include "args.h"
#include "commands.h"

struct AppSettings;
struct GraphRequest;
class LogStore;
class UserPrompt;

// orvanta graph LOG [--type T] [--sport NAME|all] [--period P] [--first D]
//                   [selection options]
struct GraphCliRequest {
    std::string logPath;  // absolute
    std::string type = "time";
    std::string sport = "all";
    int graphPeriod = 0;  // index of 13w 27w 55w 111w 12m 25m 38m 51m
    std::optional<CalendarDate> first;
    // The graph's --sport is the selection's sport too, unless it is all.
    SelectionOptions selection;
};

// The request from the command line; false with the problem (a usage error).
bool graphRequest(const ParsedArgs& parsed, const std::string& currentDir, GraphCliRequest& request,
                  std::string& problem);

// Prints the Graph page's picture as numbers: a line per period shown, then
// the axis line. A type or sport the log does not have is a usage error:
// kExitUsage with the problem in usageProblem, nothing printed; so is a
// selection option that does not fit the log.
int runGraph(const GraphCliRequest& request, const CliStreams& streams, std::string& usageProblem);

// The graph that request names on the log read into store: type, sport,
// period and first period, with the entries its selection options select.
// kExitUsage with usageProblem for a type, sport or criterion the log does not
// have; kExitFailed (its message told through prompt) for distance or pace
// over all sports or a "Since" phrase not found.
int resolveGraph(const GraphCliRequest& request, LogStore& store, const AppSettings& settings,
                 UserPrompt& prompt, GraphRequest& graph, std::string& usageProblem);
