#include "cli_merge.h"

#include <memory>

#include "cli_open_log.h"
#include "cli_prompt.h"
#include "cli_settings.h"
#include "log/log_writer.h"
#include "log/merge.h"
#include "paths.h"
#include "shell/logic/training_plan.h"

namespace {

constexpr const char* kPlanHint =
    "orvanta: nothing was merged; place the program on the calendar with --plan-start YYYY-MM-DD (its first "
    "day) or --plan-end YYYY-MM-DD (its last day, such as the race)\n";

bool dateOption(const ParsedArgs& parsed, const std::string& name, std::optional<IsoDate>& date, std::string& problem)
{
    auto it = parsed.options.find(name);
    if (it == parsed.options.end())
        return true;
    date = parseIsoDate(it->second);
    // A log keeps two-digit years: other centuries would read back wrong.
    if (!date || !dateFitsFile({date->year, date->month, date->day})) {
        problem = "--" + name + " wants a date from 1950-01-01 to 2049-12-31 as YYYY-MM-DD, not '" + it->second + "'";
        date.reset();
        return false;
    }
    return true;
}

CalendarDate calendarDate(const IsoDate& date)
{
    return CalendarDate{date.year, date.month, date.day};
}

}  // namespace

std::string planNeededText(int planLength)
{
    // The question's first sentence, as the dialog words it.
    std::string question = trainingPlanQuestion(planLength);
    const std::size_t end = question.find(". ");
    return (end == std::string::npos ? question : question.substr(0, end + 1)) + "\n" + kPlanHint;
}

bool mergeRequest(const ParsedArgs& parsed, const std::string& currentDir, MergeRequest& request, std::string& problem)
{
    request.logPath = absolutePath(parsed.positional[0], currentDir);
    request.filePath = absolutePath(parsed.positional[1], currentDir);
    if (!dateOption(parsed, "plan-start", request.planStart, problem) ||
        !dateOption(parsed, "plan-end", request.planEnd, problem))
        return false;
    if (request.planStart && request.planEnd) {
        problem = "--plan-start and --plan-end exclude each other";
        return false;
    }
    return true;
}

int runMerge(const MergeRequest& request, const CliStreams& streams)
{
    CliPrompt prompt(streams.err);
    std::unique_ptr<SettingsStore> settings = openUserSettings();
    auto store = std::make_unique<LogStore>();
    if (!openLogToChange(*store, request.logPath, prompt))
        return kExitFailed;

    const TrainingPlanQuestion askPlan = [&](int planLength) -> std::optional<CalendarDate> {
        if (request.planStart)
            return planLastDay(calendarDate(*request.planStart), planLength, PlanAnchor::StartingDate);
        if (request.planEnd)
            return calendarDate(*request.planEnd);
        const std::string text = planNeededText(planLength);
        std::fwrite(text.data(), 1, text.size(), streams.err);
        std::fflush(streams.err);
        return std::nullopt;
    };
    const MergeResult result = mergeLog(*store, request.filePath, prompt, askPlan);
    switch (result.status) {
        case MergeStatus::Merged: {
            SaveContext context{prompt, *settings, {}};
            return saveLog(*store, "", false, SaveFormat::CompleteLog, context) ? kExitOk : kExitFailed;
        }
        case MergeStatus::NothingNew:
            return kExitOk;
        default:
            return kExitFailed;
    }
}
