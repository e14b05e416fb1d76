#pragma once

#include <memory>

#include "log/clock.h"
#include "log/log_store.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "shell/app_context.h"
#include "shell/logic/app_settings.h"
#include "shell/shell_fonts.h"

// What a main window or a page is handed, owned by the test: the store, the
// settings, the seams answered by script, and a clock fixed at today.
struct ShellRig {
    explicit ShellRig(CalendarDate today) : clock{today} {}

    std::unique_ptr<LogStore> store = std::make_unique<LogStore>();
    AppSettings settings = defaultSettings();
    MemorySettingsStore settingsStore;
    ScriptedPrompt prompt;
    FixedClock clock;
    ShellState state;
    ScriptedDialogs dialogs;
    ShellFonts fonts = ShellFonts::create();
    AppContext context{*store, settings, settingsStore, prompt, clock, state, dialogs, fonts};
};
