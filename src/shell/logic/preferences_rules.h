#pragma once

#include <array>

#include "log/log_store.h"
#include "log/user_prompt.h"

// The five preferences the Preferences dialog edits, in its order.
struct EditablePreferences {
    int closeAction = 1;
    int backupCopy = 1;
    int distanceConversion = 1;
    int dateFormat = 1;
    int weekStart = 1;
};

struct PreferenceChanges {
    bool dateFormatChanged = false;
    bool weekStartChanged = false;
};

EditablePreferences editablePreferences(const LogStore& store);
// Stores the values, marks the log modified (always), rewrites the date
// texts after warning when the date format changed, and recomputes the week
// numbers when the week start changed.
PreferenceChanges applyPreferences(LogStore& store, const EditablePreferences& values, UserPrompt& prompt);

inline constexpr const char* kDateFormatWarningCaption = "Orvanta Warning";
inline constexpr const char* kDateFormatWarning =
    "You have changed the date format; all entries in the log will now be reformatted!";
