#include "installer_prompt.h"

#include <QMessageBox>
#include <QString>

#include "shell/message_box_kinds.h"

UserPrompt::Answer InstallerPrompt::message(const std::string& caption, const std::string& text, Icon icon,
                                            Buttons buttons, Answer defaultAnswer)
{
    QMessageBox box(iconOf(icon), QString::fromStdString(caption), QString::fromStdString(text), buttonsOf(buttons));
    box.setDefaultButton(toButton(defaultAnswer));
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
