#include "commands.h"

#include <memory>

#include "cli_open_log.h"
#include "cli_prompt.h"
#include "cli_settings.h"
#include "log/log_store.h"
#include "log/messages.h"
#include "paths.h"
#include "values/latin1_text.h"

namespace {

// Saving to outPath writes that file and, by the backup rule, may copy an
// existing one over its ".bak" name; neither may be the log we read.
bool wouldOverwriteLog(const ExportRequest& request, const LogStore& store)
{
    std::string target = withDefaultExtension(request.outPath, request.format);
    if (sameFile(target, request.logPath))
        return true;
    bool backedUp = request.format != SaveFormat::Html && store.preferences.backupCopy() == 1;
    if (!backedUp || target.size() < 3)
        return false;
    std::string backup = target.substr(0, target.size() - 3) + "bak";
    return fileExists(target) && sameFile(backup, request.logPath);
}

}  // namespace

std::string printedEntryLine(const LogEntry& entry, const LogStore& store)
{
    std::string line = formatEntryLine(entry, false, store);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return latin1ToUtf8(line) + '\n';
}

int flushOutput(const CliStreams& streams, int status)
{
    if (std::fflush(streams.out) != 0 || std::ferror(streams.out)) {
        std::fputs("orvanta: can't write to standard output\n", streams.err);
        return kExitFailed;
    }
    return status;
}

int runList(const ListRequest& request, const CliStreams& streams, std::string& usageProblem)
{
    CliPrompt prompt(streams.err);
    auto store = std::make_unique<LogStore>();
    if (!openLogAsFileOpen(*store, request.logPath, prompt))
        return kExitFailed;
    if (const int status = applySelectionOptions(request.selection, *store, prompt, usageProblem); status != kExitOk)
        return status;
    for (std::size_t i = 0; i < store->entryCount; ++i) {
        if (store->entry(i).selected == 0)
            continue;
        const std::string line = printedEntryLine(store->entry(i), *store);
        std::fwrite(line.data(), 1, line.size(), streams.out);
    }
    return flushOutput(streams);
}

int runExport(const ExportRequest& request, const CliStreams& streams, std::string& usageProblem)
{
    CliPrompt prompt(streams.err);
    std::unique_ptr<SettingsStore> settings = openUserSettings();
    auto store = std::make_unique<LogStore>();
    if (!openLogAsFileOpen(*store, request.logPath, prompt))
        return kExitFailed;
    if (const int status = applySelectionOptions(request.selection, *store, prompt, usageProblem); status != kExitOk)
        return status;
    if (wouldOverwriteLog(request, *store)) {
        prompt.message(msg::kCaption, kExportOverLog, UserPrompt::Icon::Information, UserPrompt::Buttons::Ok,
                       UserPrompt::Answer::Ok);
        return kExitFailed;
    }
    SaveContext context{prompt, *settings, {}};
    return saveLog(*store, request.outPath, true, request.format, context) ? kExitOk : kExitFailed;
}
