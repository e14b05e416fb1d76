#include "installer_prompt.h"

#include <QMessageBox>
#include <QString>

namespace {

QMessageBox::Icon boxIcon(UserPrompt::Icon icon)
{
    switch (icon) {
        case UserPrompt::Icon::Information:
            return QMessageBox::Information;
        case UserPrompt::Icon::Warning:
            return QMessageBox::Warning;
        case UserPrompt::Icon::Question:
            return QMessageBox::Question;
        case UserPrompt::Icon::Error:
            return QMessageBox::Critical;
        case UserPrompt::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton boxButton(UserPrompt::Answer answer)
{
    switch (answer) {
        case UserPrompt::Answer::Ok:
            return QMessageBox::Ok;
        case UserPrompt::Answer::Cancel:
            return QMessageBox::Cancel;
        case UserPrompt::Answer::Yes:
            return QMessageBox::Yes;
        case UserPrompt::Answer::No:
            return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons boxButtons(UserPrompt::Buttons buttons)
{
    switch (buttons) {
        case UserPrompt::Buttons::Ok:
            return QMessageBox::Ok;
        case UserPrompt::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case UserPrompt::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case UserPrompt::Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

}  // namespace

UserPrompt::Answer InstallerPrompt::message(const std::string& caption, const std::string& text, Icon icon,
                                            Buttons buttons, Answer defaultAnswer)
{
    QMessageBox box(boxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text), boxButtons(buttons));
    box.setDefaultButton(boxButton(defaultAnswer));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            // Escape on a Yes/No box closes it as No.
            return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}
