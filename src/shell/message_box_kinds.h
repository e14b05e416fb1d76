#pragma once

#include <QMessageBox>

#include "log/user_prompt.h"

// The message box that shows a UserPrompt message: its icon, buttons and
// default button. Shared by the desktop program and the installer.

inline QMessageBox::StandardButton toButton(UserPrompt::Answer answer)
{
    switch (answer) {
    case UserPrompt::Answer::Cancel: return QMessageBox::Cancel;
    case UserPrompt::Answer::Yes: return QMessageBox::Yes;
    case UserPrompt::Answer::No: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

inline QMessageBox::StandardButtons buttonsOf(UserPrompt::Buttons buttons)
{
    switch (buttons) {
    case UserPrompt::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case UserPrompt::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case UserPrompt::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

inline QMessageBox::Icon iconOf(UserPrompt::Icon icon)
{
    switch (icon) {
    case UserPrompt::Icon::Information: return QMessageBox::Information;
    case UserPrompt::Icon::Warning: return QMessageBox::Warning;
    case UserPrompt::Icon::Question: return QMessageBox::Question;
    case UserPrompt::Icon::Error: return QMessageBox::Critical;
    default: return QMessageBox::NoIcon;
    }
}
