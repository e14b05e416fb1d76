#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "log_store.h"
#include "settings_store.h"
#include "user_prompt.h"

enum class SaveFormat { CompleteLog = 0, EntriesOnly = 1, AppendEntries = 2, Html = 3, TrainingProgram = 4 };

// The button texts of the Save Format dialog, in SaveFormat order.
inline constexpr const char* kSaveFormatTexts[5] = {
    "Save complete log (include sports, routes, keywords)",
    "Save entries only",
    "Append entries to existing file",
    "Save as HTML file (Web page)",
    "Save as training program (with relative dates)",
};

struct SaveContext {
    UserPrompt& prompt;
    SettingsStore& settings;
    // Makes a Start Menu entry for a newly created log when the user agrees;
    // may be empty (nothing is then offered).
    std::function<void(const std::string& path)> addToStartMenu;
};

// Writes the store to path in the given format. An empty path means the log's
// own file (named first when it has none). Returns success; a failure leaves
// the old file, the store and modified as they were.
bool saveLog(LogStore& store, const std::string& path, bool selectedOnly, SaveFormat format, SaveContext& context);

// One entry line with its CR LF. relative writes "-n" days before
// store.trainingReference instead of the date.
std::string formatEntryLine(const LogEntry& entry, bool relative, const LogStore& store);

// The sport line of a complete log, without the line end.
std::string formatSportLine(const SportDef& sport);

// The whole text of the file for the formats that do not append.
std::string composeLog(const LogStore& store, bool selectedOnly, SaveFormat format, std::string_view htmlTitle);

// Appends one line to a file, creating it when missing. Returns success.
bool appendLine(const std::string& path, std::string_view line);

// path with ".dat" or ".htm" added when its file name holds no point.
std::string withDefaultExtension(const std::string& path, SaveFormat format);
