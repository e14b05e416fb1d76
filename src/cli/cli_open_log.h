#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli_settings.h"
#include "log/log_reader.h"
#include "log/log_store.h"
#include "log/messages.h"
#include "shell/logic/app_settings.h"

inline constexpr const char* kNotChangedRejected = " was not changed: some of its lines could not be read.";

// Reads path into the store as File > Open does. False when the read was
// refused; its message has been printed through prompt.
inline bool openLogAsFileOpen(LogStore& store, const std::string& path, UserPrompt& prompt)
{
    store.clearForRead();
    store.setFileName(path);
    return readLog(store, prompt, ReadOptions{}) == ReadResult::Ok;
}

// Reads path into the store as the desktop program does with the user's
// settings: their calorie sport names go to the reader. The settings, or
// nothing when the read was refused (its message printed through prompt).
inline std::optional<AppSettings> openLogWithUserSettings(LogStore& store, const std::string& path,
                                                          UserPrompt& prompt)
{
    std::unique_ptr<SettingsStore> settingsStore = openUserSettings();
    AppSettings settings = loadSettings(*settingsStore, ScreenRect{0, 0, 800, 600});
    store.clearForRead();
    store.setFileName(path);
    ReadOptions options;
    options.calorieSportNames = settings.calorieSportNames();
    if (readLog(store, prompt, options) != ReadResult::Ok)
        return std::nullopt;
    return settings;
}

// The same for a command that will write the log back: a log whose reading
// rejected lines is refused too (after the reader's warning), since saving
// it would drop those lines and nobody was asked.
inline bool openLogToChange(LogStore& store, const std::string& path, UserPrompt& prompt)
{
    store.clearForRead();
    store.setFileName(path);
    bool rejectedLines = false;
    if (readLog(store, prompt, ReadOptions{}, rejectedLines) != ReadResult::Ok)
        return false;
    if (rejectedLines) {
        prompt.message(msg::kCaption, path + kNotChangedRejected, UserPrompt::Icon::Warning, UserPrompt::Buttons::Ok,
                       UserPrompt::Answer::Ok);
        return false;
    }
    return true;
}
