#pragma once

#include <QDialog>

#include "shell/shell_dialogs.h"

// Shown at start-up when no log is named: start a new log or open one.
class LogChoiceDialog : public QDialog {
    Q_OBJECT

public:
    explicit LogChoiceDialog(QWidget* parent = nullptr);

    // NewLog only for its own button; Open, Escape and the close box open a log.
    ShellDialogs::LogChoice choice() const { return m_choice; }

private:
    ShellDialogs::LogChoice m_choice = ShellDialogs::LogChoice::OpenLog;
};

inline constexpr const char* kLogChoiceTitle = "Orvanta";
inline constexpr const char* kLogChoiceText =
    "The Orvanta needs a log (a file) to work with. Please select one of the following two options:";
