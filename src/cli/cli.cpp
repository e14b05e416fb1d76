#include "cli.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "args.h"
#include "cli_add.h"
#include "cli_archive.h"
#include "cli_graph.h"
#include "cli_import.h"
#include "cli_merge.h"
#ifdef ORV_CLI_PRINT
#include "cli_print.h"
#endif
#include "cli_selection.h"
#include "cli_totals.h"
#include "paths.h"
#include "usage.h"

namespace {

struct CommandShape {
    std::string_view name;
    std::vector<std::string_view> arguments;
    std::vector<std::string_view> options;
    bool built;
    bool repeatsLast = false;  // the last argument may be given again and again
};

#ifdef ORV_CLI_PRINT
constexpr bool kPrintBuilt = true;
#else
constexpr bool kPrintBuilt = false;
#endif

// A command's own options followed by the selection options.
std::vector<std::string_view> withSelection(std::vector<std::string_view> options)
{
    for (std::string_view name : kSelectionOptionNames)
        if (std::find(options.begin(), options.end(), name) == options.end())
            options.push_back(name);
    return options;
}

const std::array<CommandShape, 9> kCommandShapes = {{
    {"list", {"LOG"}, withSelection({}), true},
    {"export", {"LOG", "OUT"}, withSelection({"format"}), true},
    {"totals", {"LOG"}, withSelection({"period"}), true},
    {"add", {"LOG"}, {"date", "sport", "category", "distance", "units", "time", "pace", "route", "comment"}, true},
    {"merge", {"LOG", "FILE"}, {"plan-start", "plan-end"}, true},
    {"archive", {"LOG", "OUT"}, {"from", "to", "keep"}, true},
    {"graph", {"LOG"}, withSelection({"type", "sport", "period", "first"}), true},
    {"import", {"LOG", "FILE"}, {"sport-map", "dry-run"}, true, true},
    {"print", {"LOG", "OUT"}, withSelection({"page", "pages", "paper", "period", "type", "first"}), kPrintBuilt},
}};

struct FormatName {
    std::string_view name;
    SaveFormat format;
};

constexpr std::array<FormatName, 5> kFormatNames = {{
    {"complete", SaveFormat::CompleteLog},
    {"entries", SaveFormat::EntriesOnly},
    {"append", SaveFormat::AppendEntries},
    {"html", SaveFormat::Html},
    {"training", SaveFormat::TrainingProgram},
}};

const CommandShape* findShape(std::string_view name)
{
    for (const CommandShape& shape : kCommandShapes) {
        if (shape.name == name)
            return &shape;
    }
    return nullptr;
}

int printText(std::FILE* stream, const std::string& text, int status)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
    return status;
}

// The problem in one line, then the usage of the command (or of the tool).
int usageError(const CliStreams& streams, const std::string& problem, std::string_view command)
{
    std::string usage = command.empty() ? generalUsage() : commandUsage(command);
    return printText(streams.err, "orvanta: " + problem + "\n\n" + usage, kExitUsage);
}

// The words and options fit the command: the problem, or empty.
std::string shapeProblem(const CommandShape& shape, const ParsedArgs& parsed)
{
    for (const auto& [name, value] : parsed.options) {
        if (std::find(shape.options.begin(), shape.options.end(), name) == shape.options.end())
            return "'" + std::string(shape.name) + "' has no option --" + name;
    }
    const bool countFits = shape.repeatsLast ? parsed.positional.size() >= shape.arguments.size()
                                             : parsed.positional.size() == shape.arguments.size();
    if (!countFits) {
        std::string names;
        for (std::string_view argument : shape.arguments)
            names += " " + std::string(argument);
        if (shape.repeatsLast)
            names += "...";
        return "'" + std::string(shape.name) + "' takes" + names + " (" + std::to_string(parsed.positional.size()) +
               " given)";
    }
    for (const std::string& word : parsed.positional) {
        if (word.empty())
            return "an empty path names no file";
    }
    return {};
}

bool exportRequest(const ParsedArgs& parsed, const std::string& currentDir, ExportRequest& request,
                   std::string& problem)
{
    auto format = parsed.options.find("format");
    if (format == parsed.options.end()) {
        problem = "'export' needs --format";
        return false;
    }
    auto known = std::find_if(kFormatNames.begin(), kFormatNames.end(),
                              [&](const FormatName& f) { return f.name == format->second; });
    if (known == kFormatNames.end()) {
        problem = "unknown format '" + format->second + "'";
        return false;
    }
    request.format = known->format;
    request.logPath = absolutePath(parsed.positional[0], currentDir);
    request.outPath = absolutePath(parsed.positional[1], currentDir);
    return parseSelectionOptions(parsed, request.selection, problem);
}

// The status of a command's run, or its usage problem printed with the command's usage.
int usageErrorOr(const CliStreams& streams, const ParsedArgs& parsed, int status, const std::string& problem)
{
    return status == kExitUsage ? usageError(streams, problem, parsed.command) : status;
}

// A command that reads its own words.
int runWhole(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir,
             int (*run)(const ParsedArgs&, const CliStreams&, const std::string&, std::string&))
{
    std::string problem;
    return usageErrorOr(streams, parsed, run(parsed, streams, currentDir, problem), problem);
}

// Builds the command's request from the words and runs it; words that do
// not fit, or a run that finds its request does not fit the log, print the
// problem with the command's usage.
template <class Request, class Run>
int runRequest(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir,
               bool (*build)(const ParsedArgs&, const std::string&, Request&, std::string&), Run run)
{
    Request request;
    std::string problem;
    if (!build(parsed, currentDir, request, problem))
        return usageError(streams, problem, parsed.command);
    return usageErrorOr(streams, parsed, run(request, streams, problem), problem);
}

// For the commands whose run has no usage problem to find.
template <class Request>
int runRequest(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir,
               bool (*build)(const ParsedArgs&, const std::string&, Request&, std::string&),
               int (*run)(const Request&, const CliStreams&))
{
    return runRequest(parsed, streams, currentDir, build,
                      [run](const Request& request, const CliStreams& s, std::string&) { return run(request, s); });
}

bool listRequest(const ParsedArgs& parsed, const std::string& currentDir, ListRequest& request, std::string& problem)
{
    request.logPath = absolutePath(parsed.positional[0], currentDir);
    return parseSelectionOptions(parsed, request.selection, problem);
}

int runCommand(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir)
{
    if (parsed.command == "list")
        return runRequest(parsed, streams, currentDir, listRequest, runList);
    if (parsed.command == "totals")
        return runRequest(parsed, streams, currentDir, totalsRequest, runTotals);
    if (parsed.command == "add")
        return runRequest(parsed, streams, currentDir, addRequest, runAdd);
    if (parsed.command == "merge")
        return runRequest(parsed, streams, currentDir, mergeRequest, runMerge);
    if (parsed.command == "archive")
        return runRequest(parsed, streams, currentDir, archiveRequest, runArchive);
    if (parsed.command == "graph")
        return runRequest(parsed, streams, currentDir, graphRequest, runGraph);
    if (parsed.command == "import")
        return runWhole(parsed, streams, currentDir, runImportCommand);
#ifdef ORV_CLI_PRINT
    if (parsed.command == "print")
        return runWhole(parsed, streams, currentDir, runPrintCommand);
#endif
    if (auto format = parsed.options.find("format"); format != parsed.options.end() && format->second == "csv")
        return runWhole(parsed, streams, currentDir, runCsvExportCommand);
    return runRequest(parsed, streams, currentDir, exportRequest, runExport);
}

}  // namespace

int runCli(const std::vector<std::string>& args, const CliStreams& streams, const std::string& currentDir)
{
    ParsedArgs parsed;
    std::string problem;
    bool wellFormed = parseArgs(args, parsed, problem);
    const CommandShape* shape = findShape(parsed.command);
    if (parsed.command.empty() && wellFormed) {
        if (parsed.help)
            return printText(streams.out, generalUsage(), kExitOk);
        return usageError(streams, "no command given", {});
    }
    if (shape == nullptr)
        return usageError(streams, wellFormed ? "unknown command '" + parsed.command + "'" : problem, {});
    if (parsed.help)
        return printText(streams.out, commandUsage(shape->name), kExitOk);
    if (!wellFormed)
        return usageError(streams, problem, shape->name);
    if (!shape->built)
        return usageError(streams, "this build does not have '" + parsed.command + "' yet", shape->name);
    problem = shapeProblem(*shape, parsed);
    if (!problem.empty())
        return usageError(streams, problem, shape->name);
    return runCommand(parsed, streams, currentDir);
}
