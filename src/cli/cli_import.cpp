#include "cli_import.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "cli_open_log.h"
#include "cli_prompt.h"
#include "cli_selection.h"
#include "cli_settings.h"
#include "import/csv_export.h"
#include "import/import_file.h"
#include "import/import_messages.h"
#include "import/import_plan.h"
#include "log/log_writer.h"
#include "log/messages.h"
#include "paths.h"
#include "values/latin1_text.h"

namespace {

// A message with its text and, when the format has one, its number.
std::string formatted(const char* format, const std::string& a, int n = 0)
{
    std::vector<char> text(std::strlen(format) + a.size() + 64);
    std::snprintf(text.data(), text.size(), format, a.c_str(), n);
    return text.data();
}

void inform(UserPrompt& prompt, const std::string& text)
{
    prompt.message(msg::kCaption, text, UserPrompt::Icon::Information, UserPrompt::Buttons::Ok, UserPrompt::Answer::Ok);
}

// A command-line text (UTF-8) as the log holds it; nothing when a character
// has no Latin-1 form (then problem names it).
std::optional<std::string> latin1Argument(const std::string& text, std::string& problem)
{
    std::string missing;
    std::optional<std::string> latin1 = utf8ToLatin1(text, missing);
    if (!latin1)
        problem = "--sport-map holds '" + missing + "', which a log (Latin-1) can't hold";
    return latin1;
}

bool isFlagSet(const ParsedArgs& parsed, const char* name)
{
    return parsed.options.count(name) != 0;
}

}  // namespace

int runImportCommand(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir,
                     std::string& usageProblem)
{
    // NAME=SPORT pairs: the workout's sport name (by sportKey) to a sport of the log.
    std::vector<std::pair<std::string, std::string>> maps;
    for (const std::string& pair : parsed.sportMaps) {
        const std::size_t equals = pair.find('=');
        if (equals == std::string::npos) {
            usageProblem = "--sport-map wants NAME=SPORT, not '" + pair + "'";
            return kExitUsage;
        }
        const std::optional<std::string> name = latin1Argument(pair.substr(0, equals), usageProblem);
        const std::optional<std::string> sport = latin1Argument(pair.substr(equals + 1), usageProblem);
        if (!name || !sport)
            return kExitUsage;
        maps.emplace_back(*name, *sport);
    }
    const std::string logPath = absolutePath(parsed.positional[0], currentDir);
    std::vector<std::string> files;
    for (std::size_t i = 1; i < parsed.positional.size(); ++i)
        files.push_back(absolutePath(parsed.positional[i], currentDir));
    const bool dryRun = isFlagSet(parsed, "dry-run");

    CliPrompt prompt(streams.err);
    std::unique_ptr<SettingsStore> settings = openUserSettings();
    auto store = std::make_unique<LogStore>();
    // A dry run changes nothing, so it may read a log with rejected lines.
    if (!(dryRun ? openLogAsFileOpen(*store, logPath, prompt) : openLogToChange(*store, logPath, prompt)))
        return kExitFailed;
    std::map<std::string, int> mapped;
    for (const auto& [name, sport] : maps) {
        int index = store->resolveSportByName(sport);
        if (index == 0 || store->sports[index].name.view() != sport)
            index = sportNamed(*store, sport);
        if (index <= 0) {
            inform(prompt, formatted(importmsg::kMapTargetUnknown, latin1ToUtf8(sport)));
            return kExitFailed;
        }
        mapped[sportKey(name)] = index;
    }

    std::vector<FileSummaries> read;
    int failedFiles = 0;
    for (const std::string& file : files) {
        read.push_back(readWorkoutFile(file));
        if (read.back().failed()) {
            ++failedFiles;
            const std::string line = file + ": " + read.back().error;
            inform(prompt, line);
        }
    }

    std::vector<std::string> unknownOrder;
    const SportLookup lookup = [&](const std::string& workoutSport) {
        auto it = mapped.find(sportKey(latin1FromFileText(workoutSport)));
        if (it != mapped.end())
            return it->second;
        unknownOrder.push_back(workoutSport);
        return -1;
    };
    const std::vector<ImportCandidate> candidates = planImport(read, *store, lookup);

    std::map<std::string, int> skippedBySport;
    int leftOut = 0;
    std::vector<LogEntry> entries;
    for (const ImportCandidate& candidate : candidates) {
        switch (candidate.verdict) {
            case ImportVerdict::Add:
                entries.push_back(candidate.entry);
                break;
            case ImportVerdict::UnknownSport:
                ++skippedBySport[sportKey(latin1FromFileText(candidate.workout.sport))];
                break;
            case ImportVerdict::OutsideDates: {
                char text[256];
                std::snprintf(text, sizeof text, importmsg::kOutsideDates, candidate.localStart.year,
                              candidate.localStart.month, candidate.localStart.day);
                inform(prompt, text);
                break;
            }
            case ImportVerdict::LogFull:
                ++leftOut;
                break;
            default:
                break;
        }
    }
    for (const std::string& sport : unknownOrder) {
        const std::string shown = sport.empty() ? importmsg::kNoSportGiven : sport;
        inform(prompt, formatted(importmsg::kUnknownSport, shown, skippedBySport[sportKey(latin1FromFileText(sport))]));
    }
    if (leftOut > 0) {
        char text[256];
        std::snprintf(text, sizeof text, importmsg::kLogFullSkipped, leftOut);
        inform(prompt, text);
    }

    if (entries.empty())
        return failedFiles > 0 || leftOut > 0 ? kExitFailed : kExitOk;
    if (!dryRun) {
        addImported(*store, entries);
        SaveContext context{prompt, *settings, {}};
        if (!saveLog(*store, "", false, SaveFormat::CompleteLog, context))
            return kExitFailed;
    }
    for (const LogEntry& entry : entries) {
        const std::string line = printedEntryLine(entry, *store);
        std::fwrite(line.data(), 1, line.size(), streams.out);
    }
    return flushOutput(streams, failedFiles > 0 ? kExitSomeFilesFailed : kExitOk);
}

int runCsvExportCommand(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir,
                        std::string& usageProblem)
{
    SelectionOptions selection;
    if (!parseSelectionOptions(parsed, selection, usageProblem))
        return kExitUsage;
    const std::string logPath = absolutePath(parsed.positional[0], currentDir);
    const std::string outPath = absolutePath(parsed.positional[1], currentDir);

    CliPrompt prompt(streams.err);
    auto store = std::make_unique<LogStore>();
    if (!openLogAsFileOpen(*store, logPath, prompt))
        return kExitFailed;
    if (sameFile(outPath, logPath)) {
        inform(prompt, kExportOverLog);
        return kExitFailed;
    }
    if (const int status = applySelectionOptions(selection, *store, prompt, usageProblem); status != kExitOk)
        return status;
    const std::string text = csvExportText(*store);
    std::FILE* file = std::fopen(outPath.c_str(), "wb");
    bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int error = errno;
    if (file != nullptr && std::fclose(file) != 0)
        written = false;
    if (!written) {
        std::vector<char> message(std::strlen(msg::kProblemWriting) + outPath.size() + 32);
        std::snprintf(message.data(), message.size(), msg::kProblemWriting, outPath.c_str(), error);
        inform(prompt, message.data());
        return kExitFailed;
    }
    return kExitOk;
}
