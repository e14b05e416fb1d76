#include "log_choice_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialog_units.h"

LogChoiceDialog::LogChoiceDialog(QWidget* parent) : QDialog(parent)
{
    setUpDialog(this, kLogChoiceTitle, 186, 81);

    auto* text = new QLabel(QString::fromLatin1(kLogChoiceText), this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeControl(text, 0, 10, 10, 165, 25);

    auto* newLog = new QPushButton(QStringLiteral("Start a &New Log"), this);
    placeControl(newLog, 1091, 40, 40, 105, 14);
    auto* openLog = new QPushButton(QStringLiteral("&Open an Existing Log"), this);
    placeControl(openLog, 1090, 40, 60, 105, 14);
    // Both are drawn as default buttons; Enter presses the one that has the
    // focus, and the focus starts on the first.
    newLog->setDefault(true);
    newLog->setFocus();

    connect(newLog, &QPushButton::clicked, this, [this] {
        m_choice = ShellDialogs::LogChoice::NewLog;
        accept();
    });
    connect(openLog, &QPushButton::clicked, this, [this] {
        m_choice = ShellDialogs::LogChoice::OpenLog;
        accept();
    });
}
