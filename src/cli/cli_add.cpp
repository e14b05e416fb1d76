#include "cli_add.h"

#include <array>
#include <cstdio>
#include <memory>

#include "cli_open_log.h"
#include "cli_prompt.h"
#include "cli_settings.h"
#include "log/clock.h"
#include "log/log_writer.h"
#include "paths.h"
#include "shell/logic/app_settings.h"
#include "shell/logic/entry_form.h"
#include "values/latin1_text.h"

namespace {

constexpr std::array<const char*, 5> kUnitNames = {"none", "miles", "km", "yards", "meters"};

std::optional<std::string> textOption(const ParsedArgs& parsed, const char* name)
{
    auto it = parsed.options.find(name);
    if (it == parsed.options.end())
        return std::nullopt;
    return it->second;
}

// The index of value among names, or -1.
template <std::size_t N>
int indexOf(const std::array<const char*, N>& names, const std::string& value)
{
    for (std::size_t i = 0; i < N; ++i)
        if (value == names[i])
            return static_cast<int>(i);
    return -1;
}

void printError(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

}  // namespace

bool addRequest(const ParsedArgs& parsed, const std::string& currentDir, AddRequest& request, std::string& problem)
{
    request.logPath = absolutePath(parsed.positional[0], currentDir);
    if (std::optional<std::string> date = textOption(parsed, "date")) {
        request.date = parseIsoDate(*date);
        // A log keeps two-digit years: other centuries would read back wrong.
        if (!request.date || !dateFitsEntry({request.date->year, request.date->month, request.date->day})) {
            problem = "--date wants a date from 1950-01-01 to 2049-12-31 as YYYY-MM-DD, not '" + *date + "'";
            return false;
        }
    }
    if (std::optional<std::string> category = textOption(parsed, "category")) {
        const std::array<const char*, kCategoryCount> names = {kCategoryNames[0], kCategoryNames[1], kCategoryNames[2]};
        request.category = indexOf(names, *category);
        if (request.category < 0) {
            problem = "--category is Training, Intervals or Race, not '" + *category + "'";
            return false;
        }
    }
    if (std::optional<std::string> units = textOption(parsed, "units")) {
        const int unit = indexOf(kUnitNames, *units);
        if (unit < 0) {
            problem = "--units is none, miles, km, yards or meters, not '" + *units + "'";
            return false;
        }
        request.units = unit;
    }
    // The texts go into the log in Latin-1; one it can't hold is refused.
    const std::array<std::pair<const char*, std::optional<std::string>*>, 6> texts = {{
        {"sport", &request.sport},
        {"distance", &request.distance},
        {"time", &request.time},
        {"pace", &request.pace},
        {"route", &request.route},
        {"comment", &request.comment},
    }};
    for (const auto& [name, text] : texts) {
        std::optional<std::string> given = textOption(parsed, name);
        if (!given)
            continue;
        std::string missing;
        *text = utf8ToLatin1(*given, missing);
        if (!*text) {
            problem = std::string("--") + name + " holds '" + missing + "', which a log (Latin-1) can't hold";
            return false;
        }
    }
    return true;
}

int runAdd(const AddRequest& request, const CliStreams& streams)
{
    CliPrompt prompt(streams.err);
    std::unique_ptr<SettingsStore> settings = openUserSettings();
    auto store = std::make_unique<LogStore>();
    if (!openLogToChange(*store, request.logPath, prompt))
        return kExitFailed;

    // A cleared form on the day asked for (today by default).
    EntryForm form;
    if (request.date)
        form.date = CalendarDate{request.date->year, request.date->month, request.date->day};
    else
        form.date = SystemClock().today();
    applySport(form, *store, 0);
    clearForm(form, *store);
    if (request.sport) {
        const int sport = store->resolveSportByName(*request.sport);
        if (store->sports[sport].name.view() != *request.sport) {
            printError(streams.err,
                       "orvanta: " + request.logPath + " has no sport named '" + latin1ToUtf8(*request.sport) + "'\n");
            return kExitFailed;
        }
        applySport(form, *store, sport);
    }
    form.category = request.category;
    if (request.units)
        form.units = static_cast<DistanceUnit>(*request.units);
    form.distance = request.distance.value_or("");
    form.time = request.time.value_or("");
    form.pace = request.pace.value_or("");
    form.route = request.route.value_or("");
    form.comment = request.comment.value_or("");
    cutToFieldLengths(form);

    // Each given field as leaving it tidies it, then the missing value once.
    const SportUnits units = store->unitsOf(static_cast<std::uint16_t>(form.sport));
    const InputWarning warn = [&prompt](const std::string& text) {
        prompt.message(kInputErrorCaption, text, UserPrompt::Icon::Warning, UserPrompt::Buttons::Ok,
                       UserPrompt::Answer::Ok);
    };
    if (request.distance)
        normaliseField(form, FormField::Distance, units, warn);
    if (request.time)
        normaliseField(form, FormField::Time, units, warn);
    if (request.pace)
        normaliseField(form, FormField::Pace, units, warn);
    completeForm(form, units, warn);

    const std::string downloadLog = loadSettings(*settings, ScreenRect{0, 0, 800, 600}).downloadLog;
    // The line goes out before anything is stored: a script that sees exit 1
    // must be able to trust that the log was not changed.
    LogEntry entry;
    if (buildEntry(form, *store, entry) && !store->isFull()) {
        const std::string line = printedEntryLine(entry, *store);
        std::fwrite(line.data(), 1, line.size(), streams.out);
        if (flushOutput(streams) != kExitOk)
            return kExitFailed;
    }
    // An empty form or a full log is refused here, with its message.
    if (storeEntry(form, *store, downloadLog, prompt) < 0)
        return kExitFailed;
    SaveContext context{prompt, *settings, {}};
    return saveLog(*store, "", false, SaveFormat::CompleteLog, context) ? kExitOk : kExitFailed;
}
