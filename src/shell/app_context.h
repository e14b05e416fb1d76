#pragma once

#include "log/clock.h"
#include "log/log_store.h"
#include "log/settings_store.h"
#include "log/user_prompt.h"
#include "shell/logic/app_settings.h"
#include "shell/logic/shell_state.h"
#include "shell/shell_fonts.h"

class ShellDialogs;

// What every window of the program works on, created once in main and
// handed down: no globals.
struct AppContext {
    LogStore& store;
    AppSettings& settings;
    SettingsStore& settingsStore;
    UserPrompt& prompt;
    Clock& clock;
    ShellState& state;
    ShellDialogs& dialogs;
    ShellFonts& fonts;
};
