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

// Which radio button of each group shows a value. The four two-way groups
// (close action, backup, conversion, date format) use 0 for the first button
// ("Automatic Save", "Yes", "Summaries Only", "3/21/02") and 1 for the second;
// the week group uses 0 Monday, 1 Saturday, 2 Sunday, and -1 checks none.
struct PreferenceChoices {
    std::array<int, 4> twoWay{0, 0, 0, 0};
    int week = 0;
};

EditablePreferences editablePreferences(const LogStore& store);

// The buttons to check on opening: the first of a pair only for the value 1.
PreferenceChoices choicesOf(const EditablePreferences& values);
// The values read back from the checked buttons: the first of a pair gives 1,
// anything else 2; Monday 1, Saturday 2, anything else (Sunday) 3.
EditablePreferences preferencesFrom(const PreferenceChoices& choices);

// Stores the values, marks the log modified (always), rewrites the date
// texts after warning when the date format changed, and recomputes the week
// numbers when the week start changed.
PreferenceChanges applyPreferences(LogStore& store, const EditablePreferences& values, UserPrompt& prompt);

inline constexpr const char* kDateFormatWarningCaption = "Orvanta Warning";
inline constexpr const char* kDateFormatWarning =
    "You have changed the date format; all entries in the log will now be reformatted!";
