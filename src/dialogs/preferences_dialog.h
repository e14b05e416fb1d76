#pragma once

#include <QDialog>

#include <array>

#include "log/log_store.h"
#include "log/user_prompt.h"
#include "shell/logic/preferences_rules.h"

class QButtonGroup;

// Edits the five preferences the log keeps for itself. OK applies them to the
// store (and always marks the log modified); Cancel changes nothing.
class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    PreferencesDialog(LogStore& store, UserPrompt& prompt, QWidget* parent = nullptr);

    // What OK changed; all false after Cancel.
    PreferenceChanges changes() const { return m_changes; }

private:
    void createControls();
    void showChoices(const PreferenceChoices& choices);
    PreferenceChoices checkedChoices() const;
    void confirm();

    LogStore& m_store;
    UserPrompt& m_prompt;
    // The close-action, backup, conversion and date-format pairs, then the week start.
    std::array<QButtonGroup*, 5> m_groups{};
    PreferenceChanges m_changes;
};

inline constexpr const char* kPreferencesTitle = "The Orvanta: Preferences";
