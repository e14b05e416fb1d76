#include "cli_archive.h"

#include <memory>

#include "cli_open_log.h"
#include "cli_prompt.h"
#include "cli_settings.h"
#include "log/archive.h"
#include "paths.h"

namespace {

bool requiredDate(const ParsedArgs& parsed, const std::string& name, long& key, std::string& problem)
{
    auto it = parsed.options.find(name);
    if (it == parsed.options.end()) {
        problem = "'archive' needs --" + name;
        return false;
    }
    std::optional<IsoDate> date = parseIsoDate(it->second);
    if (!date) {
        problem = "--" + name + " wants a date as YYYY-MM-DD, not '" + it->second + "'";
        return false;
    }
    key = isoDateKey(*date);
    return true;
}

}  // namespace

bool archiveRequest(const ParsedArgs& parsed, const std::string& currentDir, ArchiveRequest& request,
                    std::string& problem)
{
    request.logPath = absolutePath(parsed.positional[0], currentDir);
    request.outPath = absolutePath(parsed.positional[1], currentDir);
    request.keep = parsed.options.count("keep") > 0;
    return requiredDate(parsed, "from", request.fromKey, problem) && requiredDate(parsed, "to", request.toKey, problem);
}

int runArchive(const ArchiveRequest& request, const CliStreams& streams)
{
    CliPrompt prompt(streams.err);
    std::unique_ptr<SettingsStore> settings = openUserSettings();
    auto store = std::make_unique<LogStore>();
    const bool opened = request.keep ? openLogAsFileOpen(*store, request.logPath, prompt)
                                     : openLogToChange(*store, request.logPath, prompt);
    if (!opened)
        return kExitFailed;
    SaveContext context{prompt, *settings, {}};
    const ArchiveResult result = archiveLog(*store, request.outPath, static_cast<std::uint32_t>(request.fromKey),
                                            static_cast<std::uint32_t>(request.toKey), !request.keep, context);
    if (result.status != ArchiveStatus::Archived)
        return kExitFailed;
    if (result.removed == 0)
        return kExitOk;
    return saveLog(*store, "", false, SaveFormat::CompleteLog, context) ? kExitOk : kExitFailed;
}
